#pragma once

#include <QDialog>
#include <QString>

class QListWidget;
class QPushButton;
class Services;

// The help window: lists the lines of the guide file.
class FormA : public QDialog {
    Q_OBJECT
  public:
    static constexpr const char* kGuideFileName = "TessolinaHelp.txt";
    static constexpr double kWidthTwips = 8100;
    // Below this the list would be gone; a very low main window does not
    // squeeze the help window further.
    static constexpr double kMinimumInnerHeightTwips = 2400;

    FormA(QWidget* mainWindow, Services& services);

    // Takes the main window's top, left and height and lists the guide. When
    // the guide cannot be read, tells the player and returns false: the window
    // is then not to be shown.
    bool Form_Load();
    void Form_Resize();
    void Command1_Click();

    // The second place the guide is looked for, after the current directory
    // (which the open dialog moves to the folder of the last picked file).
    // The program's own folder unless set.
    void setProgramDirectory(const QString& directory) { programDirectory_ = directory; }

    QListWidget* Listai = nullptr;
    QPushButton* Command1 = nullptr;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    bool readGuide(QByteArray& text) const;

    QWidget* mainWindow_;
    Services& services_;
    QString programDirectory_;
};
