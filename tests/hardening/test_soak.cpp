// Wild play: thousands of seeded random player actions on the main window —
// keys, buttons, menu items, drags and the three gestures, zoom steps,
// gatherings interrupted by other commands, clearing, saving and resuming —
// with the rules a player relies on checked after every one of them.
//
// TESSOLINA_SOAK_STEPS sets the number of actions (a few thousand by default),
// TESSOLINA_SOAK_SEED the seed; a failure prints the seed and the last actions
// so the run can be replayed. TESSOLINA_SOAK_TRACE=1 prints every action as it
// runs, for a replay that crashes.
#include "GameFixture.h"

#include "board/Geometry.h"
#include "pieces/DragRules.h"
#include "platform/Twips.h"
#include "savegame/SaveFile.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <random>

namespace {

constexpr int kDefaultSteps = 10000;
constexpr quint64 kDefaultSeed = 20240611;
constexpr int kLogLength = 40;
constexpr double kPlaceTolerance = 0.01; // twips

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// What the game wrote at its last successful save of one file.
struct Saved {
    QString picture;
    QByteArray bytes;
    std::vector<bool> placed;
    std::vector<int> codes;
};

class Soak {
  public:
    explicit Soak(quint64 seed) : rng_(seed)
    {
        makeFiles();
        g_.services.randoms.clear();
        for (int i = 0; i < 997; ++i)
            g_.services.randoms.push_back(uniform());
    }

    // Runs one top-level action; the error is empty while every rule holds.
    QString step()
    {
        drags_.clear();
        const int phaseBefore = s().gamePhase;
        const quint64 boardBefore = s().boardSerial;
        int placedBefore = 0;
        for (int i = 0; phaseBefore >= 3 && i < s().pieceCount; ++i)
            placedBefore += s().piecePlaced[static_cast<size_t>(i)] ? 1 : 0;
        act(0);
        // What the event loop does between a player's actions: queued work
        // runs and removed views are deleted (deferred deletes wait for a
        // running loop, which a test has not).
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (s().boardSerial != boardBefore && s().gamePhase >= 3) ++cuts_;
        if (s().gamePhase == 4 && phaseBefore != 4) ++completions_;
        if (s().gamePhase >= 3 && s().boardSerial == boardBefore) {
            int placed = 0;
            for (int i = 0; i < s().pieceCount; ++i)
                placed += s().piecePlaced[static_cast<size_t>(i)] ? 1 : 0;
            snaps_ += std::max(0, placed - placedBefore);
        }
        g_.services.onPendingEvents = nullptr;
        g_.services.openAnswers.clear();
        g_.services.inputAnswers.clear();
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        if (trace_)
            std::fprintf(stderr, "soak:   -> phase %d, dragging %d, outline %s\n", s().gamePhase,
                         s().draggedPiece, c().liN->visible() ? "shown" : "hidden");
        QString error = dragsError();
        if (error.isEmpty()) error = invariantsError();
        if (error.isEmpty()) error = savedFilesError();
        return error;
    }

    QString recentActions() const { return log_.join(QStringLiteral("\n  ")); }

    // How much of the game the run reached, so a run that never got far shows.
    QString reach() const
    {
        return QStringLiteral("%1 cuts, %2 snaps, %3 boards completed, %4 saves, "
                              "%5 resumes, %6 gatherings interrupted")
            .arg(cuts_)
            .arg(snaps_)
            .arg(completions_)
            .arg(saves_)
            .arg(resumes_)
            .arg(interruptions_);
    }

  private:
    GameFixture g_;
    std::mt19937_64 rng_;
    const bool trace_ = qEnvironmentVariableIntValue("TESSOLINA_SOAK_TRACE") != 0;
    QStringList log_;
    QStringList pictures_; // good pictures of all shapes
    QStringList badFiles_; // files that are no picture or no sound saved game
    std::map<QString, Saved> saved_;
    QString resumedFrom_;  // the saved game the board was taken up from
    QString boardPicture_; // the file of the picture that was cut
    size_t deletedSeen_ = 0;
    int cuts_ = 0, snaps_ = 0, completions_ = 0, saves_ = 0, resumes_ = 0, interruptions_ = 0;
    QString expectation_; // what the last action promised, checked after it

    // Accepted drag moves to check against the refusal rules.
    struct Move {
        int piece;
        QPointF before, after;
        DragRules::Scene scene;
        QSizeF size;
        bool placedAfter;
    };
    std::vector<Move> drags_;

    Controls& c() { return g_.c(); }
    GameState& s() { return g_.s(); }

    double uniform() { return std::uniform_real_distribution<double>(0.0, 1.0)(rng_); }
    int below(int n)
    {
        return static_cast<int>(std::uniform_int_distribution<int>(0, n - 1)(rng_));
    }
    bool chance(double p) { return uniform() < p; }
    template <typename T> const T& oneOf(const std::vector<T>& items)
    {
        return items[static_cast<size_t>(below(static_cast<int>(items.size())))];
    }

    void note(const QString& what)
    {
        log_ << QStringLiteral("[phase %1] %2").arg(s().gamePhase).arg(what);
        // A crash ends the run before the log is printed: replay with tracing.
        if (trace_) std::fprintf(stderr, "soak: %s\n", qPrintable(log_.constLast()));
        while (log_.size() > kLogLength)
            log_.removeFirst();
    }

    void makeFiles()
    {
        const QTemporaryDir& dir = g_.dir;
        using TestPictures::blocks;
        using TestPictures::save;
        pictures_ << save(dir, "blocks.bmp", blocks(3, 4, 30, 20))
                  << save(dir, "wide.png", blocks(1, 5, 40, 10))
                  << save(dir, "tall.jpg", blocks(4, 1, 12, 40))
                  << save(dir, "square.gif.png", blocks(2, 2, 25, 25))
                  << save(dir, "large.bmp", blocks(4, 6, 150, 120))
                  << save(dir, "one pixel.bmp", blocks(1, 1, 1, 1))
                  << save(dir, "two pixels.bmp", blocks(1, 2, 1, 1));
        auto write = [&dir](const char* name, const QByteArray& bytes) {
            const QString path = dir.filePath(QString::fromLatin1(name));
            QFile f(path);
            if (f.open(QIODevice::WriteOnly)) f.write(bytes);
            return path;
        };
        const QByteArray picture = pictures_.front().toLocal8Bit();
        badFiles_ << write("empty.jpg", QByteArray()) << write("text.gif", "no picture here")
                  << write("cut.tsl", "\"" + picture + "\"\r\n\"2\",\"2\",3\r\n#FALSE#,1,0\r\n")
                  << write("code9.tsl", "\"" + picture +
                                            "\"\r\n\"2\",\"2\",3\r\n#FALSE#,9,0\r\n#FALSE#,1,1\r\n"
                                            "#FALSE#,2,2\r\n#FALSE#,3,3\r\n")
                  << write("gone.tsl", "\"" + g_.dir.filePath("gone.bmp").toLocal8Bit() +
                                           "\"\r\n\"2\",\"2\",1\r\n#FALSE#,0,0\r\n#FALSE#,0,1\r\n"
                                           "#FALSE#,0,2\r\n#FALSE#,0,3\r\n");
    }

    // ---- the player's means: buttons, menu items, keys ----

    // A command the way a player might reach it: its button (only when shown
    // and enabled, as a player can), its menu item (only when enabled) or its
    // key (which the game itself tests).
    void command(QPushButton* button, QAction* item, QChar key, const QString& name)
    {
        const int way = below(3);
        if (way == 0 && button && button->isVisible()) {
            note("click " + name);
            g_.click(button);
        } else if (way == 1 && item) {
            note("menu " + name + (item->isEnabled() ? "" : " (disabled: no effect)"));
            if (item->isEnabled()) item->trigger();
        } else if (!key.isNull()) {
            const QChar typed = chance(0.5) ? key.toLower() : key;
            note(QStringLiteral("key %1 for %2").arg(typed).arg(name));
            g_.type(typed);
        }
    }

    void act(int depth)
    {
        if (holding()) {
            // The mouse belongs to the piece held: the player can act on it,
            // or type.
            if (chance(0.6)) {
                heldAction();
            } else {
                static const QString keys = QStringLiteral("IiGgPpRrZz+-0+-0");
                const QChar key = keys.at(below(static_cast<int>(keys.size())));
                note(QStringLiteral("type '%1' holding piece %2").arg(key).arg(grabbedIndex_));
                if (depth < 2 && (key == 'r' || key == 'R' || key == '+' || key == '-') &&
                    chance(0.3)) {
                    g_.services.onPendingEvents = [this, depth] {
                        ++interruptions_;
                        note("  ... the gathering pauses, and meanwhile:");
                        act(depth + 1);
                    };
                }
                g_.type(key);
            }
            return;
        }
        const bool playing = s().gamePhase >= 3;
        const int roll = below(100);
        if (roll < 8)
            pickFile();
        else if (roll < 14)
            setBoxes();
        else if (roll < 20)
            grid();
        else if (roll < 26)
            command(c().CmdPuzzle, c().mPuzl, 'P', "3 - Make Puzzle");
        else if (roll < 32)
            gather(depth);
        else if (roll < 35)
            command(c().CmdAzze, c().mAzze, 'Z', "Clear Puzzle");
        else if (roll < 42)
            zoom();
        else if (roll < 45)
            arrangement();
        else if (roll < 50)
            save();
        else if (roll < 52)
            background();
        else if (roll < 55)
            randomKey();
        else if (roll < 56)
            helpWindows();
        else if (playing)
            pieceAction();
        else if (roll < 80)
            playTowardsABoard();
    }

    // Walks a board along: picture, grid, cut, so that play gets its share.
    void playTowardsABoard()
    {
        switch (s().gamePhase) {
        case 0: pickFile(); break;
        case 1: grid(); break;
        case 2: command(c().CmdPuzzle, c().mPuzl, 'P', "3 - Make Puzzle"); break;
        default: break;
        }
    }

    void pickFile()
    {
        QString answer;
        const int roll = below(10);
        if (roll < 5)
            answer = pictures_[below(static_cast<int>(pictures_.size()))];
        else if (roll < 7 && !saved_.empty()) {
            auto it = saved_.begin();
            std::advance(it, below(static_cast<int>(saved_.size())));
            answer = it->first;
        } else if (roll < 9)
            answer = badFiles_[below(static_cast<int>(badFiles_.size()))];
        const size_t messages = g_.services.messages.size();
        if (!answer.isEmpty() && chance(0.25)) {
            // Dropped from the file manager instead: taken up once events run.
            const bool takes = c().CmdImma->isEnabled();
            note("drop " + QFileInfo(answer).fileName() + " on the window" +
                 (takes ? "" : " (refused)"));
            QMimeData mime;
            mime.setUrls({QUrl::fromLocalFile(answer)});
            const QPointF at(100, 100);
            QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton,
                                  Qt::NoModifier);
            QApplication::sendEvent(g_.form.get(), &enter);
            QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(g_.form.get(), &drop);
            QCoreApplication::processEvents();
            if (takes) expectation_ = expectedAfterPick(answer, messages);
            return;
        }
        g_.services.openAnswers.push_back(answer);
        const size_t dialogs = g_.services.dialogs.size();
        command(c().CmdImma, c().mImma, 'I',
                "1 - Pick an Image: " +
                    (answer.isEmpty() ? QStringLiteral("cancel") : QFileInfo(answer).fileName()));
        if (g_.services.dialogs.size() == dialogs) return; // the command did not run
        expectation_ = expectedAfterPick(answer, messages);
    }

    // What picking `answer` must have led to.
    QString expectedAfterPick(const QString& answer, size_t messagesBefore)
    {
        const bool messageShown = g_.services.messages.size() > messagesBefore;
        const QString message = messageShown ? g_.services.lastMessage() : QString();
        if (answer.isEmpty()) {
            if (s().gamePhase != 0) return "a cancelled dialog leaves phase 0";
            return {};
        }
        // Any file picked ends the game taken up before.
        resumedFrom_.clear();
        if (pictures_.contains(answer)) {
            if (s().gamePhase != 1) return "a good picture leads to phase 1";
            boardPicture_ = answer;
            return {};
        }
        const auto it = saved_.find(answer);
        if (it != saved_.end()) {
            if (s().gamePhase != 3)
                return "a saved game resumes into phase 3, got message: " + message;
            resumedFrom_ = answer;
            ++resumes_;
            boardPicture_ = it->second.picture;
            const int count = s().pieceCount;
            for (int i = 0; i < count; ++i) {
                if (s().piecePlaced[i] != it->second.placed[i] ||
                    s().pieceOrientation[i] != it->second.codes[i])
                    return QStringLiteral("piece %1 resumed other than saved").arg(i);
            }
            return {};
        }
        if (message != QLatin1String("Immage not accepted") || s().gamePhase != 0)
            return "a bad file is refused with its message in phase 0, got: " + message;
        return {};
    }

    void setBoxes()
    {
        QLineEdit* box = chance(0.5) ? c().Righe : c().Colonne;
        static const std::vector<QString> texts = {"2", "3", "4", "5",  "2",  "3", "02",
                                                   "1", "",  "9", "11", "x3", "0", "7"};
        const QString text = oneOf(texts);
        note(QStringLiteral("click into %1 and type '%2'").arg(box->objectName(), text));
        QTest::mouseClick(box, Qt::LeftButton);
        if (!box->isEnabled()) return;
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        for (QChar ch : text)
            g_.type(ch, box);
    }

    void grid()
    {
        if (chance(0.3) && c().mGrig->isEnabled()) {
            static const std::vector<QString> answers = {"2", "3", "4",  "2",   "3",
                                                         "1", "",  "4x", "2.5", "9"};
            const QString rows = oneOf(answers), columns = oneOf(answers);
            note(QStringLiteral("menu 2 - Pick a Grid... answering '%1', '%2'").arg(rows, columns));
            g_.services.inputAnswers = {rows, columns};
            c().mGrig->trigger();
            return;
        }
        command(c().CmdGriglia, nullptr, 'G', "2 - Pick a Grid");
    }

    void gather(int depth)
    {
        if (depth < 2 && chance(0.4)) {
            g_.services.onPendingEvents = [this, depth] {
                ++interruptions_;
                note("  ... the gathering pauses, and meanwhile:");
                act(depth + 1);
            };
        }
        command(c().CmdRaccogli, c().mRaccogli, 'R', "Gather Pieces");
    }

    void zoom()
    {
        static const std::vector<QChar> keys = {'+', '-', '0'};
        if (chance(0.5)) {
            const QChar key = oneOf(keys);
            note(QStringLiteral("key %1").arg(key));
            g_.type(key);
            return;
        }
        static const std::vector<const char*> items = {"mGrande", "mPicco", "mNorma"};
        const char* name = oneOf(items);
        QAction* item = g_.item(name);
        const bool reachable = c().mVisual->isEnabled() && item->isEnabled();
        note(QStringLiteral("menu %1%2").arg(name, reachable ? "" : " (unreachable)"));
        if (reachable) item->trigger();
    }

    void arrangement()
    {
        QAction* items[] = {c().mSpos, c().mRuot, c().mRove, c().mTrasp};
        QAction* item = items[below(4)];
        note("menu " + item->objectName() + (item->isEnabled() ? "" : " (disabled)"));
        if (item->isEnabled()) item->trigger();
    }

    void save()
    {
        note(QStringLiteral("menu Save as is%1").arg(c().mSalva->isEnabled() ? "" : " (disabled)"));
        if (!c().mSalva->isEnabled()) return;
        const size_t messages = g_.services.messages.size();
        // The game is saved beside the picture on the board, whatever file a
        // cancelled or refused pick named since.
        const QString path = boardPicture_ + QStringLiteral(".tsl");
        c().mSalva->trigger();
        const QString message =
            g_.services.messages.size() > messages ? g_.services.lastMessage() : QString();
        if (message != "Game saved in " + path) {
            expectation_ = "saving a sound game succeeds, got: " + message;
            return;
        }
        ++saves_;
        Saved record{boardPicture_, readAll(path), {}, {}};
        for (int i = 0; i < s().pieceCount; ++i) {
            record.placed.push_back(s().piecePlaced[i]);
            record.codes.push_back(s().pieceOrientation[i]);
        }
        const SaveFile::Parsed parsed = SaveFile::parse(record.bytes, kMaxPieces);
        if (!parsed.ok()) {
            expectation_ = "the saved file reads back, but: " + parsed.error;
            return;
        }
        for (int i = 0; i < s().pieceCount; ++i) {
            const SaveFile::Piece& p = parsed.game.pieces[static_cast<size_t>(i)];
            if (p.placed != record.placed[static_cast<size_t>(i)] ||
                p.orientation != record.codes[static_cast<size_t>(i)] ||
                p.slot != s().pieceSlot[static_cast<size_t>(i)])
                expectation_ = QStringLiteral("piece %1 saved other than it is").arg(i);
        }
        saved_[path] = record;
    }

    void background()
    {
        const QPoint at(5 + below(1000), 5 + below(700));
        const bool right = chance(0.7);
        note(QStringLiteral("%1 press on the background").arg(right ? "right" : "left"));
        QTest::mouseClick(c().client, right ? Qt::RightButton : Qt::LeftButton, {}, at);
        QWidget* popup = QApplication::activePopupWidget();
        // Sent to the client area straight, the press may fall on a control
        // or a piece; only the bare background opens the menu.
        const bool shouldOpen = right && s().gamePhase > 0 && !c().client->childAt(at);
        if (bool(popup) != shouldOpen)
            expectation_ = "the View menu pops up on a right press in phases 1 to 4 only";
        if (popup) popup->close();
    }

    void randomKey()
    {
        static const QString keys = QStringLiteral("IiGgPpRrZz+-0+-059aX ");
        const QChar key = keys.at(below(static_cast<int>(keys.size())));
        QWidget* focus = nullptr;
        if (chance(0.3)) focus = chance(0.5) ? c().Righe : c().Colonne;
        note(QStringLiteral("type '%1' into %2")
                 .arg(key)
                 .arg(focus ? focus->objectName() : QStringLiteral("the window")));
        if (focus && !focus->isEnabled()) focus = nullptr;
        g_.type(key, focus);
    }

    void helpWindows()
    {
        const char* name = chance(0.5) ? "mGuida" : "mInfo";
        note(QStringLiteral("menu %1").arg(name));
        g_.trigger(name);
    }

    // ---- the pieces ----

    DragRules::Scene scene()
    {
        return {g_.services.screenSizeTwips(),
                QRectF(c().ImaOrig->left(), c().ImaOrig->top(), c().ImaOrig->width(),
                       c().ImaOrig->height()),
                !c().RC1->isHidden(), Twips::placed(c().RC1)};
    }

    QPointF anywhere()
    {
        const QSizeF screen = g_.services.screenSizeTwips();
        return {-2000 + uniform() * (screen.width() + 4000),
                -2000 + uniform() * (screen.height() + 4000)};
    }

    // A button held on a piece whose release has not come yet: until it does,
    // the platform sends every pointer event to that view, so the player can
    // only move it, press another button on it or let go.
    QPointer<ImageView> grabbed_;
    int grabbedIndex_ = -1;
    Qt::MouseButton grabbedButton_ = Qt::NoButton;

    void grab(ImageView* view, int index, Qt::MouseButton button)
    {
        grabbed_ = view;
        grabbedIndex_ = index;
        grabbedButton_ = button;
    }

    bool holding()
    {
        // Hidden (by a gathering) or removed (by clearing), the view has lost
        // the pointer: its release goes elsewhere.
        if (grabbed_ && (!grabbed_->visible() || g_.piece(grabbedIndex_) != grabbed_))
            grabbed_.clear();
        return !grabbed_.isNull();
    }

    // True when a held button took the action.
    bool heldAction()
    {
        if (!holding()) return false;
        ImageView* view = grabbed_;
        const QPointF grabPoint(view->width() / 2, view->height() / 2);
        const int roll = below(10);
        if (roll < 4) {
            note(QStringLiteral("let go of piece %1").arg(grabbedIndex_));
            g_.release(view, QPointF(view->left(), view->top()) + grabPoint, grabbedButton_);
            grabbed_.clear();
        } else if (roll < 8) {
            const QPointF target = chance(0.5) ? anywhere() : g_.home(grabbedIndex_);
            note(QStringLiteral("move held piece %1").arg(grabbedIndex_));
            const QPointF before(view->left(), view->top());
            const DragRules::Scene sceneBefore = scene();
            const QSizeF size(view->width(), view->height());
            g_.moveTo(view, target + grabPoint, grabbedButton_);
            drags_.push_back({grabbedIndex_, before, QPointF(view->left(), view->top()),
                              sceneBefore, size,
                              bool(s().piecePlaced[static_cast<size_t>(grabbedIndex_)])});
        } else {
            note(QStringLiteral("right press on held piece %1").arg(grabbedIndex_));
            g_.press(view, QPointF(view->left(), view->top()) + grabPoint, Qt::RightButton);
        }
        return true;
    }

    void pieceAction()
    {
        if (heldAction()) return;
        if (s().pieceCount <= 0) return;
        const int index = below(s().pieceCount);
        ImageView* view = g_.piece(index);
        // A player reaches only what is shown: while a gathering pauses, the
        // pieces it has still to lay are hidden.
        if (!view || !view->visible()) return;
        const QPointF centre(view->left() + view->width() / 2, view->top() + view->height() / 2);
        const int roll = below(100);
        if (roll < 40) {
            solveStep();
        } else if (roll < 55) {
            std::vector<QPointF> path;
            for (int n = 1 + below(6); n > 0; --n)
                path.push_back(anywhere());
            static const std::vector<Qt::MouseButton> buttons = {Qt::LeftButton, Qt::LeftButton,
                                                                 Qt::RightButton, Qt::MiddleButton};
            note(QStringLiteral("drag piece %1 about").arg(index));
            dragThrough(index, oneOf(buttons), path, chance(0.85));
        } else if (roll < 75) {
            note(QStringLiteral("Ctrl + left click on piece %1").arg(index));
            clickPiece(index, centre, Qt::LeftButton, Qt::ControlModifier);
        } else if (roll < 85) {
            note(QStringLiteral("Shift + left click on piece %1").arg(index));
            clickPiece(index, centre, Qt::LeftButton, Qt::ShiftModifier);
        } else if (roll < 93) {
            note(QStringLiteral("right click on piece %1").arg(index));
            clickPiece(index, centre, Qt::RightButton,
                       chance(0.3) ? Qt::ControlModifier : Qt::NoModifier);
        } else if (roll < 96) {
            static const std::vector<Qt::KeyboardModifiers> odd = {
                Qt::AltModifier, Qt::ControlModifier | Qt::ShiftModifier,
                Qt::ControlModifier | Qt::AltModifier, Qt::ShiftModifier | Qt::AltModifier};
            note(QStringLiteral("odd click on piece %1").arg(index));
            clickPiece(index, centre, chance(0.5) ? Qt::LeftButton : Qt::MiddleButton, oneOf(odd));
        } else {
            note(QStringLiteral("pointer over piece %1, no button").arg(index));
            g_.moveTo(view, anywhere(), Qt::NoButton);
        }
    }

    // What a player working towards a finished board does: turn a loose piece
    // upright, or bring an upright one home (or near it).
    void solveStep()
    {
        if (heldAction()) return;
        std::vector<int> loose;
        for (int i = 0; i < s().pieceCount; ++i)
            if (!s().piecePlaced[static_cast<size_t>(i)] && g_.piece(i)->visible())
                loose.push_back(i);
        if (loose.empty()) return;
        const int index = oneOf(loose);
        ImageView* view = g_.piece(index);
        const QPointF centre(view->left() + view->width() / 2, view->top() + view->height() / 2);
        const int code = s().pieceOrientation[static_cast<size_t>(index)];
        const bool canTurnOver = c().mRove->isChecked() || c().mTrasp->isChecked();
        if (code >= 4 && canTurnOver) {
            note(QStringLiteral("Shift + left click on piece %1 to turn it face up").arg(index));
            clickPiece(index, centre, Qt::LeftButton, Qt::ShiftModifier);
        } else if (code != 0 && !c().mSpos->isChecked()) {
            note(QStringLiteral("Ctrl + left click on piece %1 to turn it upright").arg(index));
            clickPiece(index, centre, Qt::LeftButton, Qt::ControlModifier);
        } else {
            const QPointF target =
                g_.home(index) + QPointF(uniform() * 300 - 150, uniform() * 300 - 150);
            note(QStringLiteral("drag piece %1 towards home").arg(index));
            dragThrough(index, Qt::LeftButton, {target}, chance(0.9));
        }
    }

    void clickPiece(int index, QPointF at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
    {
        ImageView* view = g_.piece(index);
        g_.press(view, at, button, modifiers);
        if (chance(0.9))
            g_.release(view, at, button);
        else
            grab(view, index, button);
    }

    // Presses a piece at its centre and moves the pointer through `path` (the
    // piece's top left at each point), recording each move for the refusal check.
    void dragThrough(int index, Qt::MouseButton button, const std::vector<QPointF>& path,
                     bool releaseAfter)
    {
        ImageView* view = g_.piece(index);
        const QPointF grabPoint(view->width() / 2, view->height() / 2);
        g_.press(view, QPointF(view->left(), view->top()) + grabPoint, button);
        for (const QPointF& target : path) {
            const QPointF before(view->left(), view->top());
            const DragRules::Scene sceneBefore = scene();
            const QSizeF size(view->width(), view->height());
            g_.moveTo(view, target + grabPoint, button);
            drags_.push_back({index, before, QPointF(view->left(), view->top()), sceneBefore, size,
                              bool(s().piecePlaced[static_cast<size_t>(index)])});
        }
        if (releaseAfter)
            g_.release(view, path.back() + grabPoint, button);
        else
            grab(view, index, button);
    }

    // ---- the rules ----

    QString dragsError()
    {
        for (const Move& m : drags_) {
            if (m.after == m.before || m.placedAfter) continue; // refused, or snapped home
            const DragRules::Refusal why =
                DragRules::refusal(m.after.x(), m.after.y(), m.size, m.scene);
            if (why != DragRules::Refusal::None)
                return QStringLiteral("piece %1 was let onto (%2, %3), a place the rules refuse")
                    .arg(m.piece)
                    .arg(m.after.x())
                    .arg(m.after.y());
        }
        return {};
    }

    QString invariantsError()
    {
        if (!expectation_.isEmpty()) {
            const QString broken = expectation_;
            expectation_.clear();
            return broken;
        }
        const int phase = s().gamePhase;
        if (phase < 0 || phase > 4) return QStringLiteral("phase %1").arg(phase);

        // Every button and its menu twin together.
        const std::pair<QPushButton*, QAction*> twins[] = {{c().CmdImma, c().mImma},
                                                           {c().CmdPuzzle, c().mPuzl},
                                                           {c().CmdRaccogli, c().mRaccogli},
                                                           {c().CmdAzze, c().mAzze}};
        for (const auto& [button, item] : twins)
            if (button->isEnabled() != item->isEnabled())
                return button->objectName() + " and its menu item disagree";

        // Piece views exist exactly in phases 3 and 4: one per cell.
        const int views = c().ImA->count() - 1;
        const bool arrangementFree = c().mSpos->isEnabled() && c().mRuot->isEnabled() &&
                                     c().mRove->isEnabled() && c().mTrasp->isEnabled();
        if (phase <= 2) {
            if (views != 0) return QStringLiteral("%1 piece views before a cut").arg(views);
            if (c().CmdRaccogli->isEnabled()) return "gathering offered without pieces";
            if (c().mSalva->isEnabled()) return "saving offered without pieces";
            if (!c().CmdImma->isEnabled()) return "no way to pick a picture before a cut";
            if (!arrangementFree) return "arrangement locked before a cut";
            if (c().ImaCompl->visible()) return "badge shown without a board";
            if (s().draggedPiece != kNoPiece) return "a drag without pieces";
            if (c().liN->visible()) return "drag outline without pieces";
        }
        if (phase <= 1) {
            if (c().liO->count() != 1 || c().Liv->count() != 1) return "grid lines without a grid";
            if (c().CmdPuzzle->isEnabled()) return "cutting offered without a grid";
        }
        if (phase >= 2) {
            const int rows = s().rows(), columns = s().columns();
            const bool none = c().liO->count() == 1 && c().Liv->count() == 1;
            const bool full = c().liO->count() == rows + 1 && c().Liv->count() == columns + 1;
            if (!(full || (none && phase == 2)))
                return QStringLiteral("%1 + %2 grid lines for %3 x %4 cells")
                    .arg(c().liO->count())
                    .arg(c().Liv->count())
                    .arg(rows)
                    .arg(columns);
            if (!c().CmdAzze->isEnabled()) return "no way to clear a grid";
        }
        if (phase >= 3) {
            const int count = s().pieceCount;
            if (count != s().rows() * s().columns() || count < 4 || count > kMaxPieces)
                return QStringLiteral("pieceCount %1").arg(count);
            if (views != count)
                return QStringLiteral("%1 piece views for %2 pieces").arg(views).arg(count);
            if (c().CmdImma->isEnabled() || c().CmdPuzzle->isEnabled() ||
                c().CmdGriglia->isEnabled() || c().mGrig->isEnabled() || c().Righe->isEnabled() ||
                c().Colonne->isEnabled())
                return "picture or grid commands offered during a game";
            if (c().mSpos->isEnabled() || c().mRuot->isEnabled() || c().mRove->isEnabled() ||
                c().mTrasp->isEnabled())
                return "arrangement offered during a game";
            if (const QString e = piecesError(); !e.isEmpty()) return e;
        }
        if (phase == 3) {
            if (!c().CmdRaccogli->isEnabled()) return "no gathering during a game";
            if (c().ImaCompl->visible()) return "badge shown on an unfinished board";
            bool anyLoose = false;
            for (int i = 0; i < s().pieceCount; ++i)
                anyLoose = anyLoose || !s().piecePlaced[static_cast<size_t>(i)];
            if (!anyLoose) return "every piece fixed but the board not complete";
        }
        if (phase == 4) {
            for (int i = 0; i < s().pieceCount; ++i)
                if (!s().piecePlaced[static_cast<size_t>(i)])
                    return QStringLiteral("complete with piece %1 loose").arg(i);
            if (!c().ImaCompl->visible()) return "complete without the badge";
            if (c().CmdRaccogli->isEnabled() || c().mSalva->isEnabled())
                return "gathering or saving offered on a complete board";
        }
        return {};
    }

    QString piecesError()
    {
        const int count = s().pieceCount;
        if (static_cast<int>(s().piecePlaced.size()) < count ||
            static_cast<int>(s().pieceOrientation.size()) < count)
            return "piece arrays shorter than the board";
        for (int i = 0; i < count; ++i) {
            ImageView* view = g_.piece(i);
            if (!view) return QStringLiteral("piece %1 has no view").arg(i);
            if (!view->visible()) return QStringLiteral("piece %1 hidden").arg(i);
            const int code = s().pieceOrientation[static_cast<size_t>(i)];
            if (code < 0 || code > 7)
                return QStringLiteral("piece %1 has code %2").arg(i).arg(code);
            const bool odd = code % 2 != 0;
            const QSizeF expected =
                odd ? QSizeF(s().cellHeight, s().cellWidth) : QSizeF(s().cellWidth, s().cellHeight);
            if (qAbs(view->width() - expected.width()) > 1e-6 ||
                qAbs(view->height() - expected.height()) > 1e-6)
                return QStringLiteral("piece %1 (code %2) is %3 x %4, its cell %5 x %6")
                    .arg(i)
                    .arg(code)
                    .arg(view->width())
                    .arg(view->height())
                    .arg(s().cellWidth)
                    .arg(s().cellHeight);
            if (s().piecePlaced[static_cast<size_t>(i)]) {
                if (code != 0) return QStringLiteral("fixed piece %1 not upright").arg(i);
                // Dealing places views in single precision, as the game always
                // has: a resumed fixed piece may lie a hundredth of a twip off.
                const QPointF home = g_.home(i);
                if (qAbs(view->left() - home.x()) > kPlaceTolerance ||
                    qAbs(view->top() - home.y()) > kPlaceTolerance)
                    return QStringLiteral("fixed piece %1 at (%2, %3), its home (%4, %5)")
                        .arg(i)
                        .arg(view->left())
                        .arg(view->top())
                        .arg(home.x())
                        .arg(home.y());
            }
        }
        const int dragged = s().draggedPiece;
        if (dragged != kNoPiece && (dragged < 0 || dragged >= count))
            return QStringLiteral("dragging piece %1 of %2").arg(dragged).arg(count);
        if (c().liN->visible() &&
            (dragged == kNoPiece || s().piecePlaced[static_cast<size_t>(dragged)]))
            return "drag outline shown with no loose piece dragged";
        return {};
    }

    // A saved game stays as the game wrote it until the game itself deletes
    // it, at the completion of a game resumed from it.
    QString savedFilesError()
    {
        const std::vector<QString>& deleted = g_.services.deleted;
        for (; deletedSeen_ < deleted.size(); ++deletedSeen_) {
            const QString& path = deleted[deletedSeen_];
            if (path != resumedFrom_ || s().gamePhase != 4)
                return "deleted " + path + ", which no finished game was resumed from";
            saved_.erase(path);
        }
        for (const auto& [path, record] : saved_)
            if (readAll(path) != record.bytes) return "saved game changed on disk: " + path;
        for (const QString& path : badFiles_)
            if (!QFile::exists(path)) return "a refused file was deleted: " + path;
        return {};
    }
};

} // namespace

class TestSoak : public QObject {
    Q_OBJECT
  private slots:
    void wildPlayKeepsTheRules();
    // What the soak found, kept as plain cases.
    void clickOnADisabledBoxKeepsTheGrid_data();
    void clickOnADisabledBoxKeepsTheGrid();
    void movesReachingAnotherPieceMoveNothing();
};

void TestSoak::wildPlayKeepsTheRules()
{
    const int steps = qEnvironmentVariableIsSet("TESSOLINA_SOAK_STEPS")
                          ? qEnvironmentVariableIntValue("TESSOLINA_SOAK_STEPS")
                          : kDefaultSteps;
    bool seedGiven = false;
    quint64 seed = qEnvironmentVariable("TESSOLINA_SOAK_SEED").toULongLong(&seedGiven);
    if (!seedGiven) seed = kDefaultSeed;
    // Printed past Qt Test's limit on messages, which a long run's platform
    // warnings reach.
    std::fprintf(stderr, "soak: %d steps, TESSOLINA_SOAK_SEED=%llu\n", steps,
                 static_cast<unsigned long long>(seed));

    Soak soak(seed);
    QElapsedTimer clock;
    clock.start();
    for (int step = 1; step <= steps; ++step) {
        const QString error = soak.step();
        if (!error.isEmpty()) {
            QFAIL(qPrintable(QStringLiteral("step %1 broke a rule: %2\n"
                                            "replay: TESSOLINA_SOAK_SEED=%3 "
                                            "TESSOLINA_SOAK_STEPS=%1\nlast actions:\n  %4")
                                 .arg(step)
                                 .arg(error)
                                 .arg(seed)
                                 .arg(soak.recentActions())));
        }
    }
    std::fprintf(stderr, "soak: %d steps in %lld ms: %s\n", steps,
                 static_cast<long long>(clock.elapsed()), qPrintable(soak.reach()));
}

void TestSoak::clickOnADisabledBoxKeepsTheGrid_data()
{
    QTest::addColumn<QString>("box");
    QTest::newRow("rows") << "Righe";
    QTest::newRow("columns") << "Colonne";
}

void TestSoak::clickOnADisabledBoxKeepsTheGrid()
{
    // During a game the boxes are disabled; a click into one must not take the
    // grid away or offer "2 - Try the Grid", which would lay a new grid under
    // the pieces.
    QFETCH(QString, box);
    GameFixture g;
    g.dealt(2, 3, 1);
    QLineEdit* edit = g.form->findChild<QLineEdit*>(box);
    QVERIFY(!edit->isEnabled());
    QTest::mouseClick(edit, Qt::LeftButton);
    QCOMPARE(g.c().liO->count(), 3);
    QCOMPARE(g.c().Liv->count(), 4);
    QVERIFY(!g.c().CmdGriglia->isEnabled() && !g.c().mGrig->isEnabled());
    QCOMPARE(g.c().CmdGriglia->text(), QStringLiteral("2 - Pick a &Grid"));
    QCOMPARE(g.s().gamePhase, 3);
}

void TestSoak::movesReachingAnotherPieceMoveNothing()
{
    // A gathering hides the piece held under the pointer, which ends the
    // platform's capture: the moves that follow reach whatever piece lies
    // under the pointer. Only the dragged piece may follow them.
    GameFixture g;
    g.dealt(3, 3, 1);
    ImageView* held = g.piece(4);
    g.press(held, QPointF(held->left() + 50, held->top() + 50), Qt::LeftButton);
    QCOMPARE(g.s().draggedPiece, 4);
    g.type('r');
    ImageView* other = g.piece(7);
    const QPointF heldAt(held->left(), held->top()), otherAt(other->left(), other->top());
    g.moveTo(other, otherAt + QPointF(200, 300));
    g.moveTo(other, otherAt + QPointF(400, 600));
    QCOMPARE(QPointF(other->left(), other->top()), otherAt);
    QCOMPARE(QPointF(held->left(), held->top()), heldAt);
    QVERIFY(!g.s().piecePlaced[7]);
    // The release reaches the other piece too and ends the drag.
    g.release(other, otherAt);
    QCOMPARE(g.s().draggedPiece, kNoPiece);
    QVERIFY(!g.c().liN->visible());
}

QTEST_MAIN(TestSoak)
#include "test_soak.moc"
