#pragma once

#include <QDialog>
#include <QPixmap>

class QLabel;
class QPushButton;
class Services;

// The information window: the program line and the credits on a picture.
class FormI : public QDialog {
    Q_OBJECT
  public:
    static constexpr double kLeftTwips = 2000;
    static constexpr double kTopTwips = 2000;
    static constexpr double kWidthTwips = 4170;
    static constexpr double kHeightTwips = 2970;

    FormI(QWidget* parent, Services& services);

    void Form_Load();
    void Command1_Click();

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* Command1 = nullptr;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap background_;
};
