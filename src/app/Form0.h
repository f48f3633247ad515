#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <functional>

class QLabel;
class QTimer;

// The splash window: borderless, cut to the shape of its picture, draggable
// by its body. Its timer opens the main window and closes the splash.
class Form0 : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kSplashMilliseconds = 4000;
    static constexpr double kLeftTwips = 3210;
    static constexpr double kTopTwips = 3030;

    // `showMainWindow` runs once, when the timer fires. The splash deletes
    // itself when it closes, so create it with new.
    explicit Form0(std::function<void()> showMainWindow, QWidget* parent = nullptr);

    // Shapes and places the window and starts the timer.
    void Form_Load();
    // Opens the main window and closes the splash.
    void Timer2_Timer();

    QTimer* Timer2 = nullptr;
    // A hidden second copy of the splash picture; the shape is read from it.
    QLabel* Picture1 = nullptr;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void Form_MouseDown(QMouseEvent* event);

    std::function<void()> showMainWindow_;
    QImage picture_;
    // Only used where the window system cannot move the window itself.
    bool movingByHand_ = false;
    QPoint grabOffset_;
};
