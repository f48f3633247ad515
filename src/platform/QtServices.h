#pragma once

#include "platform/Services.h"

#include <cstdint>

class QtServices : public Services {
  public:
    QtServices();

    QString openFileDialog(QWidget* owner, const QString& title, const QString& filterName,
                           const QString& patterns, const QString& initialDirectory) override;
    void messageBox(QWidget* owner, const QString& prompt, int buttons,
                    const QString& title) override;
    QString inputBox(QWidget* owner, const QString& prompt, const QString& title,
                     const QString& defaultAnswer) override;
    void showModal(QDialog& dialog) override;
    void beep() override;
    double random() override;
    void reseedFromClock() override;
    void processPendingEvents() override;
    bool deleteFile(const QString& path) override;
    QSizeF screenSizeTwips() override;
    QString currentDirectory() override;
    void setCurrentDirectory(const QString& directory) override;

  private:
    std::uint64_t state_;
};
