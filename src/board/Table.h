#pragma once

#include "board/GridInput.h"
#include "pieces/Orientation.h"
#include "platform/ImageView.h"
#include "platform/LineView.h"
#include "platform/PictureClip.h"
#include "platform/Surface.h"
#include "platform/ViewSet.h"

#include <QString>
#include <array>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QWidget;
class Services;

// The main window's views, as the game's routines reach them. The window
// creates them; the routines of every subsystem drive them.
struct Controls {
    QWidget* window = nullptr; // the main window (owner of dialogs, outer height)
    QWidget* client = nullptr; // its client area: the views' parent

    ImageView* ImaOrig = nullptr;
    ImageView* ImaCompl = nullptr;
    ImageView* CopiaImIni = nullptr;
    std::array<ImageView*, 8> Retro{}; // 4 to 7

    QLabel* RC1 = nullptr;
    QLabel* RC2 = nullptr;
    QLineEdit* Righe = nullptr;
    QLineEdit* Colonne = nullptr;
    QPushButton* CmdImma = nullptr;
    QPushButton* CmdGriglia = nullptr;
    QPushButton* CmdPuzzle = nullptr;
    QPushButton* CmdRaccogli = nullptr;
    QPushButton* CmdAzze = nullptr;

    QMenu* mVisual = nullptr;
    QAction* mImma = nullptr;
    QAction* mSalva = nullptr;
    QAction* mGrig = nullptr;
    QAction* mPuzl = nullptr;
    QAction* mRaccogli = nullptr;
    QAction* mAzze = nullptr;
    QAction* mSpos = nullptr;
    QAction* mRuot = nullptr;
    QAction* mRove = nullptr;
    QAction* mTrasp = nullptr;

    ViewSet<ImageView>* ImA = nullptr; // template at 999, pieces from 0
    ViewSet<LineView>* liO = nullptr;
    ViewSet<LineView>* Liv = nullptr;
    LineView* liN = nullptr;
    LineView* liOv = nullptr;
    LineView* liS = nullptr;
    LineView* liE = nullptr;

    Surface ImaOrigBMP, ImaVert, pBox;
    PictureClip PictureClip1, PictureClip2;
};

constexpr int kTemplatePiece = 999;

// The game's state: window-level fields that live as long as the window.
struct GameState {
    int gamePhase = 0;

    // Board geometry (twips).
    int referenceMaxWidth = 0, referenceMaxHeight = 0;
    double pictureNaturalWidth = 0, pictureNaturalHeight = 0;
    double scaleX = 0, scaleY = 0, fitScale = 1;
    double referenceWidth = 0, referenceHeight = 0;
    double zoomStepX = 0, zoomStepY = 0;
    int zoomLevel = 0;
    double gridLeft = 0, gridTop = 0;
    QString gridRows, gridColumns; // as typed in the boxes
    int pieceCount = 0;
    double cellWidth = 0, cellHeight = 0;
    bool createGridLines = true;

    // The picture.
    QString picturePath, pictureBaseName, pictureExtension, lastDirectory;
    bool resumingGame = false;
    QImage picture; // as loaded, natural size: the source of the cut
    // The file the picture on the board came from. picturePath names the last
    // file chosen, which a cancelled or refused pick leaves pointing elsewhere
    // while this picture stays in play.
    QString boardPicturePath;

    // Pieces.
    std::vector<bool> piecePlaced;
    std::vector<int> pieceOrientation;
    std::vector<int> pieceSlot;
    int currentPiece = 0;
    int scratchOrientation = 0;
    int turnedCellIndex = 0;
    int orientationRange = 0;

    // Dragging.
    int draggedPiece = kNoPiece;
    double grabX = 0, grabY = 0;
    double pointerX = 0, pointerY = 0;

    // Gathering.
    double gatherX = 0, gatherY = 0;
    // Each gathering, clearing and cut takes the next number, so a gathering
    // paused for pending events can tell that the board changed under it.
    quint64 boardSerial = 0;
    quint64 gatherSerial = 0;

    int rows() const { return GridInput::wholeCount(gridRows); }
    int columns() const { return GridInput::wholeCount(gridColumns); }
};

// What every routine of the game works on.
struct Table {
    Controls& c;
    GameState& s;
    Services& services;
};

// Buttons and their menu twins are enabled and disabled together.
void enableCommand(QPushButton* button, QAction* item, bool enabled);

// The View menu, in the menu bar and as the pop-up.
void setViewMenuEnabled(Controls& c, bool enabled);
