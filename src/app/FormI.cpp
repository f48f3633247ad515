#include "app/FormI.h"

#include "platform/Fonts.h"
#include "platform/Twips.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace {
QLabel* whiteLabel(QWidget* parent, const char* name, const QString& text, const QFont& font,
                   const QRectF& twips)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    // Transparent: the background picture shows around the letters.
    label->setAutoFillBackground(false);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    Twips::place(label, twips);
    return label;
}
} // namespace

FormI::FormI(QWidget* parent, Services&)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      background_(QStringLiteral(":/pictures/info.png"))
{
    setObjectName(QStringLiteral("FormI"));
    setWindowTitle(QStringLiteral("Information"));
    setFixedSize(Twips::toWholePixels(kWidthTwips), Twips::toWholePixels(kHeightTwips));

    Label1 = whiteLabel(this, "Label1", QStringLiteral("Program  Tessolina V.4"),
                        Fonts::msSansSerif(9.75, true), QRectF(240, 240, 3690, 330));
    Label2 = whiteLabel(this, "Label2", QStringLiteral("Made by the Tessolina team"),
                        Fonts::msSansSerif(8.25), QRectF(240, 840, 3690, 270));
    Label3 = whiteLabel(this, "Label3", QStringLiteral("A picture tile game for the desktop"),
                        Fonts::msSansSerif(8.25), QRectF(240, 1140, 3690, 270));

    Command1 = new QPushButton(this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setToolTip(QStringLiteral("Close"));
    Command1->setIcon(QIcon(QStringLiteral(":/pictures/infobutton.png")));
    Command1->setIconSize(QSize(24, 24));
    Command1->setDefault(true);
    Command1->setStyleSheet(QStringLiteral(
        "QPushButton { background-color: #1f4fbf; border: 1px solid #9cc3ff; border-radius: 4px; }"
        "QPushButton:hover { background-color: #2a5fd6; }"
        "QPushButton:pressed { background-color: #163b91; }"
        "QPushButton:focus { border: 2px solid white; }"));
    Twips::place(Command1, QRectF(kWidthTwips - 735 - 165, kHeightTwips - 495 - 165, 735, 495));
    connect(Command1, &QPushButton::clicked, this, &FormI::Command1_Click);
    Command1->setFocus();
}

void FormI::Form_Load()
{
    QPoint origin;
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : nullptr;
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (screen) origin = screen->geometry().topLeft();
    move(origin + QPoint(Twips::toWholePixels(kLeftTwips), Twips::toWholePixels(kTopTwips)));
}

void FormI::Command1_Click()
{
    close();
}

void FormI::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), background_);
}
