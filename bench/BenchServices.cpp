#include "BenchServices.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {
std::uint64_t mix(std::uint64_t& state)
{
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
} // namespace

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
    return static_cast<double>(mix(state_) >> 11) * (1.0 / 9007199254740992.0);
}

void BenchServices::reseedFromClock()
{
    // A counter stands in for the clock: the deal is the same in every run.
    std::uint64_t reading = ++reseeds_;
    state_ ^= mix(reading);
}

void BenchServices::processPendingEvents()
{
    QCoreApplication::processEvents();
}

bool BenchServices::deleteFile(const QString& path)
{
    return QFile::remove(path);
}
