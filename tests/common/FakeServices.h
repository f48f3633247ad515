#pragma once

#include "platform/Services.h"

#include <QDialog>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

// Scripted services for tests: queued answers, recorded messages, a fixed
// random sequence and a fixed screen.
class FakeServices : public Services {
  public:
    struct Message {
        QString prompt;
        int buttons;
        QString title;
    };
    struct Question {
        QString prompt;
        QString title;
    };
    struct Dialog {
        QString title, filterName, patterns, initialDirectory;
    };

    // Answers the next open dialogs in order; an empty text is a cancel. A
    // chosen file makes its folder the current directory, as the real dialog.
    std::deque<QString> openAnswers;
    std::deque<QString> inputAnswers;
    // Draws in order, cycling when exhausted; empty means 0.5 every time.
    std::vector<double> randoms;
    QSizeF screen{15360, 11520}; // 1024 x 768 pixels at 15 twips per pixel

    std::vector<Message> messages;
    std::vector<Question> questions;
    std::vector<Dialog> dialogs;
    std::vector<QString> deleted;
    QStringList modalWindows; // objectName or window title of each modal dialog shown
    int beeps = 0;
    int reseeds = 0;
    int randomDraws = 0;
    int pendingEventRuns = 0;
    // Runs once at the next pause for pending events (to interrupt a gathering).
    std::function<void()> onPendingEvents;
    QString directory;

    QString openFileDialog(QWidget*, const QString& title, const QString& filterName,
                           const QString& patterns, const QString& initialDirectory) override;
    void messageBox(QWidget*, const QString& prompt, int buttons, const QString& title) override;
    QString inputBox(QWidget*, const QString& prompt, const QString& title,
                     const QString& defaultAnswer) override;
    void showModal(QDialog& dialog) override;
    void beep() override { ++beeps; }
    double random() override;
    void reseedFromClock() override { ++reseeds; }
    void processPendingEvents() override;
    bool deleteFile(const QString& path) override;
    QSizeF screenSizeTwips() override { return screen; }
    QString currentDirectory() override { return directory; }
    void setCurrentDirectory(const QString& dir) override { directory = dir; }

    QString lastMessage() const { return messages.empty() ? QString() : messages.back().prompt; }

  private:
    size_t nextRandom_ = 0;
};
