#include "GameFixture.h"

#include "board/Geometry.h"
#include "platform/Twips.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

GameFixture::GameFixture()
{
    Twips::setPerPixel(15);
    services.directory = dir.path();
    form = std::make_unique<Form3>(services);
    form->resize(1024, 740);
    form->show();
}

GameFixture::~GameFixture() = default;

QAction* GameFixture::item(const char* name) const
{
    return form->findChild<QAction*>(QString::fromLatin1(name));
}

void GameFixture::click(QWidget* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void GameFixture::trigger(const char* itemName)
{
    item(itemName)->trigger();
}

void GameFixture::type(QChar ch, QWidget* focus)
{
    QWidget* target = focus ? focus : form.get();
    if (focus)
        focus->setFocus();
    else if (form->focusWidget())
        form->focusWidget()->clearFocus();
    QTest::keyClick(target, ch.toLatin1());
}

QString GameFixture::writePicture(const QString& name, int rows, int columns, int blockW,
                                  int blockH)
{
    return TestPictures::save(dir, name, TestPictures::blocks(rows, columns, blockW, blockH));
}

void GameFixture::pick(const QString& path)
{
    services.openAnswers.push_back(path);
    click(c().CmdImma);
}

void GameFixture::pictureAndGrid(int rows, int columns, int blockW, int blockH)
{
    pick(writePicture(QStringLiteral("board.bmp"), rows, columns, blockW, blockH));
    c().Righe->setText(QString::number(rows));
    c().Colonne->setText(QString::number(columns));
    click(c().CmdGriglia);
}

void GameFixture::setArrangement(int mode)
{
    QAction* items[] = {c().mSpos, c().mRuot, c().mRove, c().mTrasp};
    QAction* wanted = items[mode - 1];
    if (!wanted->isChecked()) wanted->trigger();
}

void GameFixture::dealt(int rows, int columns, int arrangement, int blockW, int blockH)
{
    setArrangement(arrangement);
    pictureAndGrid(rows, columns, blockW, blockH);
    click(c().CmdPuzzle);
}

ImageView* GameFixture::piece(int i) const
{
    return form->controls().ImA->at(i);
}

namespace {
QPointF local(const ImageView* view, QPointF windowTwips)
{
    return QPointF(Twips::toPixels(windowTwips.x()) - view->x(),
                   Twips::toPixels(windowTwips.y()) - view->y());
}
void send(ImageView* view, QEvent::Type type, QPointF at, Qt::MouseButton button,
          Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    QMouseEvent event(type, at, view->mapToGlobal(at), button, buttons, modifiers);
    QApplication::sendEvent(view, &event);
}
} // namespace

void GameFixture::press(ImageView* view, QPointF windowTwips, Qt::MouseButton button,
                        Qt::KeyboardModifiers modifiers)
{
    send(view, QEvent::MouseButtonPress, local(view, windowTwips), button, button, modifiers);
}

void GameFixture::moveTo(ImageView* view, QPointF windowTwips, Qt::MouseButtons buttons)
{
    send(view, QEvent::MouseMove, local(view, windowTwips), Qt::NoButton, buttons, Qt::NoModifier);
}

void GameFixture::release(ImageView* view, QPointF windowTwips, Qt::MouseButton button)
{
    send(view, QEvent::MouseButtonRelease, local(view, windowTwips), button, Qt::NoButton,
         Qt::NoModifier);
}

void GameFixture::drag(int index, QPointF target, bool releaseAfter)
{
    ImageView* view = piece(index);
    const QPointF grab(view->width() / 2, view->height() / 2);
    const QPointF start(view->left() + grab.x(), view->top() + grab.y());
    press(view, start, Qt::LeftButton);
    moveTo(view, target + grab);
    if (releaseAfter) release(view, target + grab);
}

QPointF GameFixture::home(int index) const
{
    const GameState& st = form->state();
    return Geometry::slotPosition(index, {st.gridLeft, st.gridTop}, {st.cellWidth, st.cellHeight},
                                  st.columns());
}
