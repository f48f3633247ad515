#pragma once

#include "board/Table.h"

#include <QMainWindow>
#include <memory>

class QMenu;
class Services;

// The main window: the reference picture, the grid area, the command panel,
// the pieces and the menus. It owns the game's state and views and wires each
// event to the routine of its subsystem.
class Form3 : public QMainWindow {
    Q_OBJECT
  public:
    explicit Form3(Services& services, QWidget* parent = nullptr);
    ~Form3() override;

    // For tests and the benchmark: the state and the views as the game sees them.
    GameState& state() { return state_; }
    Controls& controls() { return controls_; }
    Table table() { return Table{controls_, state_, services_}; }

    // The window's own handlers.
    void Form_Load();
    void Form_KeyPress(int keyCode);
    void Form_MouseDown(int button, int shift, double x, double y);

    // Commands, as the buttons, menu items and keys run them.
    void CmdImma_Click();
    void CmdGriglia_Click();
    void CmdPuzzle_Click();
    void CmdRaccogli_Click();
    void CmdAzze_Click();
    void mGrig_Click();
    void mSalva_Click();
    void mChiudi_Click();
    void mGuida_Click();
    void mInfo_Click();
    void Righe_Click();
    void Colonne_Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A picture or saved game dragged from the file manager is taken up as
    // if it had been chosen in the open dialog.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void buildControls();
    void buildMenus();
    ImageView* makePieceView(int index);
    LineView* makeGridLine(const LineView* model);

    Services& services_;
    GameState state_;
    Controls controls_;
    std::unique_ptr<ViewSet<ImageView>> pieces_;
    std::unique_ptr<ViewSet<LineView>> rowLines_;
    std::unique_ptr<ViewSet<LineView>> columnLines_;
};
