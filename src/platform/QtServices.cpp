#include "platform/QtServices.h"
#include "platform/SplitMix.h"

#include "platform/Twips.h"

#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QScreen>

QtServices::QtServices() : state_(static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()))
{
}

QString QtServices::openFileDialog(QWidget* owner, const QString& title, const QString& filterName,
                                   const QString& patterns, const QString& initialDirectory)
{
    // The filter shows under its own name, patterns separated by ";" as the
    // player knows them; the file list matches them in any letter case.
    QFileDialog dialog(owner, title, initialDirectory);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const QStringList patternList = patterns.split(';', Qt::SkipEmptyParts);
    dialog.setNameFilter(filterName);
    if (auto* model = dialog.findChild<QFileSystemModel*>()) {
        model->setNameFilters(patternList);
    } else {
        dialog.setNameFilter(filterName.section('(', 0, 0) + "(" + patternList.join(' ') + ")");
    }
    if (dialog.exec() != QDialog::Accepted) return QString();
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return QString();
    const QString chosen = QDir::toNativeSeparators(files.first());
    // The chosen file's folder becomes the current directory, as the platform's
    // own open dialog does.
    QDir::setCurrent(QFileInfo(files.first()).absolutePath());
    return chosen.trimmed();
}

void QtServices::messageBox(QWidget* owner, const QString& prompt, int buttons,
                            const QString& title)
{
    QMessageBox box(owner);
    box.setText(prompt);
    box.setWindowTitle(title.isEmpty() ? QGuiApplication::applicationDisplayName() : title);
    box.setStandardButtons(QMessageBox::Ok);
    if (buttons & MessageCode::kError)
        box.setIcon(QMessageBox::Critical);
    else if (buttons & MessageCode::kInformation)
        box.setIcon(QMessageBox::Information);
    box.exec();
}

QString QtServices::inputBox(QWidget* owner, const QString& prompt, const QString& title,
                             const QString& defaultAnswer)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(owner, title, prompt, QLineEdit::Normal, defaultAnswer, &ok);
    return ok ? text : QString();
}

void QtServices::showModal(QDialog& dialog)
{
    dialog.exec();
}

void QtServices::beep()
{
    QApplication::beep();
}

double QtServices::random()
{
    return (splitMix64(state_) >> 11) * (1.0 / 9007199254740992.0);
}

void QtServices::reseedFromClock()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    // Folded into the state, so the same clock reading twice never repeats a draw.
    std::uint64_t reading = static_cast<std::uint64_t>(clock.nsecsElapsed()) ^
                            static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch());
    state_ ^= splitMix64(reading);
}

void QtServices::processPendingEvents()
{
    QCoreApplication::processEvents();
}

bool QtServices::deleteFile(const QString& path)
{
    return QFile::remove(path);
}

QSizeF QtServices::screenSizeTwips()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->geometry().size() : QSize(1024, 768);
    return QSizeF(Twips::fromPixels(size.width()), Twips::fromPixels(size.height()));
}

QString QtServices::currentDirectory()
{
    return QDir::toNativeSeparators(QDir::currentPath());
}

void QtServices::setCurrentDirectory(const QString& directory)
{
    QDir::setCurrent(directory);
}
