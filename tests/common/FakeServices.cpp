#include "FakeServices.h"

#include <QFile>
#include <QFileInfo>

QString FakeServices::openFileDialog(QWidget*, const QString& title, const QString& filterName,
                                     const QString& patterns, const QString& initialDirectory)
{
    dialogs.push_back({title, filterName, patterns, initialDirectory});
    if (openAnswers.empty()) return QString();
    const QString answer = openAnswers.front();
    openAnswers.pop_front();
    if (!answer.trimmed().isEmpty()) directory = QFileInfo(answer.trimmed()).absolutePath();
    return answer;
}

void FakeServices::messageBox(QWidget*, const QString& prompt, int buttons, const QString& title)
{
    messages.push_back({prompt, buttons, title});
}

QString FakeServices::inputBox(QWidget*, const QString& prompt, const QString& title,
                               const QString&)
{
    questions.push_back({prompt, title});
    if (inputAnswers.empty()) return QString();
    const QString answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

void FakeServices::showModal(QDialog& dialog)
{
    modalWindows << (dialog.objectName().isEmpty() ? dialog.windowTitle() : dialog.objectName());
}

double FakeServices::random()
{
    ++randomDraws;
    if (randoms.empty()) return 0.5;
    const double value = randoms[nextRandom_ % randoms.size()];
    ++nextRandom_;
    return value;
}

void FakeServices::processPendingEvents()
{
    ++pendingEventRuns;
    if (onPendingEvents) {
        auto once = std::move(onPendingEvents);
        onPendingEvents = nullptr;
        once();
    }
}

bool FakeServices::deleteFile(const QString& path)
{
    deleted.push_back(path);
    return QFile::remove(path);
}
