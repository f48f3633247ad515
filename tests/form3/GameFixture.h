#pragma once

#include "FakeServices.h"
#include "TestPictures.h"
#include "app/Form3.h"

#include <QTemporaryDir>
#include <memory>

class QAction;

// A main window on the fake services, with helpers that act as a player would:
// clicking buttons and menu items, typing keys, dragging pieces.
class GameFixture {
  public:
    GameFixture();
    ~GameFixture();

    FakeServices services;
    QTemporaryDir dir;
    std::unique_ptr<Form3> form;

    Controls& c() { return form->controls(); }
    GameState& s() { return form->state(); }

    QAction* item(const char* name) const;
    void click(QWidget* button);
    void trigger(const char* itemName);
    // Types a character as it reaches the focused control (or the window).
    void type(QChar ch, QWidget* focus = nullptr);

    // A picture of rows x columns solid blocks written into the temporary folder.
    QString writePicture(const QString& name, int rows, int columns, int blockW, int blockH);
    // Picks `path` through "1 - Pick an Image".
    void pick(const QString& path);
    // Picks a fresh blocks picture and draws a grid of rows x columns.
    void pictureAndGrid(int rows, int columns, int blockW = 40, int blockH = 40);
    // ... and cuts it with the given arrangement (1 Translate only ... 4 Transparent).
    void dealt(int rows, int columns, int arrangement, int blockW = 40, int blockH = 40);
    void setArrangement(int mode);

    ImageView* piece(int i) const;
    // Mouse events in exact twips, as the platform delivers them to a view.
    void press(ImageView* view, QPointF windowTwips, Qt::MouseButton button,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void moveTo(ImageView* view, QPointF windowTwips, Qt::MouseButtons buttons = Qt::LeftButton);
    void release(ImageView* view, QPointF windowTwips, Qt::MouseButton button = Qt::LeftButton);
    // Grabs a piece at its centre and drags it so its top left lands on `target`.
    void drag(int piece, QPointF target, bool releaseAfter = true);
    QPointF home(int piece) const;
};
