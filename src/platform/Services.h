#pragma once

#include <QSizeF>
#include <QString>

class QDialog;
class QWidget;

// Message box button codes: 0 OK only, 16 error icon, 64 information icon.
namespace MessageCode {
constexpr int kOkOnly = 0;
constexpr int kError = 16;
constexpr int kInformation = 64;
} // namespace MessageCode

// Everything modal, slow or nondeterministic that the game asks of the outside
// world. The program uses QtServices; tests use a scripted fake.
class Services {
  public:
    virtual ~Services() = default;

    // The path chosen, or an empty text when the dialog is cancelled.
    virtual QString openFileDialog(QWidget* owner, const QString& title, const QString& filterName,
                                   const QString& patterns, const QString& initialDirectory) = 0;
    // An empty title stands for the application's title.
    virtual void messageBox(QWidget* owner, const QString& prompt, int buttons,
                            const QString& title = QString()) = 0;
    // The typed text; empty on Cancel.
    virtual QString inputBox(QWidget* owner, const QString& prompt, const QString& title,
                             const QString& defaultAnswer = QString()) = 0;
    virtual void showModal(QDialog& dialog) = 0;
    virtual void beep() = 0;

    // Uniform in [0, 1).
    virtual double random() = 0;
    // Mixes the clock into the generator's state (never restarts it).
    virtual void reseedFromClock() = 0;

    virtual void processPendingEvents() = 0;
    virtual bool deleteFile(const QString& path) = 0;
    virtual QSizeF screenSizeTwips() = 0;
    virtual QString currentDirectory() = 0;
    virtual void setCurrentDirectory(const QString& directory) = 0;
};
