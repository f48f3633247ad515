#include "app/FormA.h"

#include "app/HelpText.h"
#include "platform/Fonts.h"
#include "platform/Services.h"
#include "platform/Twips.h"

#include <QCoreApplication>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QResizeEvent>
#include <algorithm>

namespace {
constexpr double kListLeftTwips = 120;
constexpr double kListTopTwips = 240;
// The list ends this far above the window's inner bottom edge ...
constexpr double kListBottomMarginTwips = 700;
// ... and the Exit button starts this far above it.
constexpr double kButtonTopFromBottomTwips = 450;
constexpr double kButtonWidthTwips = 1215;
constexpr double kButtonHeightTwips = 375;
constexpr double kDefaultInnerHeightTwips = 7200;
} // namespace

FormA::FormA(QWidget* mainWindow, Services& services)
    : QDialog(mainWindow, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                              Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowCloseButtonHint),
      mainWindow_(mainWindow), services_(services),
      programDirectory_(QCoreApplication::applicationDirPath())
{
    setObjectName(QStringLiteral("FormA"));
    setWindowTitle(QStringLiteral("    H E L P        v.4"));

    Listai = new QListWidget(this);
    Listai->setObjectName(QStringLiteral("Listai"));
    Listai->setFont(Fonts::msSansSerif(9.75));

    Command1 = new QPushButton(QStringLiteral("Exit"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    connect(Command1, &QPushButton::clicked, this, &FormA::Command1_Click);

    resize(Twips::toWholePixels(kWidthTwips), Twips::toWholePixels(kDefaultInnerHeightTwips));
}

bool FormA::readGuide(QByteArray& text) const
{
    const QString name = QString::fromLatin1(kGuideFileName);
    // An installed program keeps its guide with its other shared files.
    const QString installed =
        programDirectory_.isEmpty()
            ? QString()
            : QDir(programDirectory_).filePath(QStringLiteral("../share/tessolina"));
    for (const QString& folder : {services_.currentDirectory(), programDirectory_, installed}) {
        if (folder.isEmpty()) continue;
        if (HelpText::readFile(QDir(folder).filePath(name), &text)) return true;
    }
    return false;
}

bool FormA::Form_Load()
{
    // Same top, left and height as the main window, frame included, so the
    // guide gets all the height the screen gives the game.
    double leftTwips = 0, topTwips = 0, innerHeightTwips = kDefaultInnerHeightTwips;
    if (mainWindow_) {
        const QRect frame = mainWindow_->frameGeometry();
        leftTwips = Twips::fromPixels(frame.left());
        topTwips = Twips::fromPixels(frame.top());
        // Our own frame is not known before the window is shown; taking it
        // to be as tall as the main window's, the outer heights match when
        // the inner ones do.
        innerHeightTwips = Twips::fromPixels(mainWindow_->geometry().height());
    }
    innerHeightTwips = std::max(innerHeightTwips, kMinimumInnerHeightTwips);
    move(Twips::toWholePixels(leftTwips), Twips::toWholePixels(topTwips));
    setFixedSize(Twips::toWholePixels(kWidthTwips), Twips::toWholePixels(innerHeightTwips));
    Form_Resize();

    QByteArray text;
    if (!readGuide(text)) {
        services_.messageBox(mainWindow_, QStringLiteral("File TessolinaHelp.txt non trovato"),
                             MessageCode::kInformation, QStringLiteral("Richiesta ignorata ..."));
        return false;
    }
    Listai->clear();
    Listai->addItems(HelpText::splitLines(text));
    return true;
}

void FormA::Form_Resize()
{
    const double innerWidth = Twips::fromPixels(width());
    const double innerHeight = Twips::fromPixels(height());
    Twips::place(Listai, QRectF(kListLeftTwips, kListTopTwips,
                                std::max(0.0, innerWidth - 2 * kListLeftTwips),
                                std::max(0.0, innerHeight - kListBottomMarginTwips)));
    Twips::place(Command1, QRectF((innerWidth - kButtonWidthTwips) / 2,
                                  innerHeight - kButtonTopFromBottomTwips, kButtonWidthTwips,
                                  kButtonHeightTwips));
}

void FormA::Command1_Click()
{
    close();
}

void FormA::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    Form_Resize();
}
