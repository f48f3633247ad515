#pragma once

#include "platform/Services.h"

#include <QStringList>
#include <cstdint>
#include <deque>

// The services the benchmark plays with: the open dialog answers with the
// queued path, messages are recorded instead of shown, the random numbers
// come from a fixed seed so every run deals the same board, and pending
// events really run, as they do in the game, so a gathering paints as it lays.
class BenchServices : public Services {
  public:
    std::deque<QString> openAnswers;
    QStringList messages;
    QSizeF screen{28800, 16200}; // 1920 x 1080 pixels at 15 twips per pixel
    QString directory;

    QString openFileDialog(QWidget*, const QString&, const QString&, const QString&,
                           const QString&) override;
    void messageBox(QWidget*, const QString& prompt, int, const QString&) override;
    QString inputBox(QWidget*, const QString&, const QString&, const QString&) override;
    void showModal(QDialog&) override {}
    void beep() override {}
    double random() override;
    void reseedFromClock() override;
    void processPendingEvents() override;
    bool deleteFile(const QString& path) override;
    QSizeF screenSizeTwips() override { return screen; }
    QString currentDirectory() override { return directory; }
    void setCurrentDirectory(const QString& dir) override { directory = dir; }

  private:
    std::uint64_t state_ = 0x5EEDull;
    std::uint64_t reseeds_ = 0;
};
