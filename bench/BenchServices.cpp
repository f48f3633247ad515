#include "BenchServices.h"
#include "platform/SplitMix.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

QString BenchServices::openFileDialog(QWidget*, const QString&, const QString&, const QString&,
                                      const QString&)
{
    if (openAnswers.empty()) return QString();
    const QString answer = openAnswers.front();
    openAnswers.pop_front();
    // The chosen file's folder becomes the current directory, as with the
    // real dialog.
    if (!answer.isEmpty()) directory = QFileInfo(answer).absolutePath();
    return answer;
}

void BenchServices::messageBox(QWidget*, const QString& prompt, int, const QString&)
{
    messages << prompt;
}

QString BenchServices::inputBox(QWidget*, const QString&, const QString&, const QString&)
{
    return QString();
}

double BenchServices::random()
{
    return static_cast<double>(splitMix64(state_) >> 11) * (1.0 / 9007199254740992.0);
}

void BenchServices::reseedFromClock()
{
    // A counter stands in for the clock: the deal is the same in every run.
    std::uint64_t reading = ++reseeds_;
    state_ ^= splitMix64(reading);
}

void BenchServices::processPendingEvents()
{
    QCoreApplication::processEvents();
}

bool BenchServices::deleteFile(const QString& path)
{
    return QFile::remove(path);
}
