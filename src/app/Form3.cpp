#include "app/Form3.h"

#include "board/BoardRoutines.h"
#include "board/Geometry.h"
#include "board/GridInput.h"
#include "pieces/PieceRoutines.h"
#include "platform/Fonts.h"
#include "platform/Services.h"
#include "platform/Twips.h"
#include "savegame/SaveGame.h"

#if __has_include("app/FormA.h")
#include "app/FormA.h"
#include "app/FormI.h"
#define TESSOLINA_HAVE_HELP_WINDOWS 1
#endif

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontMetrics>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QUrl>

namespace {

const QString kTitle = QStringLiteral("The Tessolina Team  -  Tessolina ...!");
constexpr int kDeleteCharacter = 127;
const double kControlFontPoints = 8.25;

// The client area: the window's background, where the views live. A press on
// it (not on a view) goes to the window's own handler.
class ClientArea : public QWidget {
  public:
    explicit ClientArea(Form3* form) : QWidget(form), form_(form)
    {
        setFocusPolicy(Qt::NoFocus);
        setAutoFillBackground(true);
    }

  protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        // A button or label lets presses it has no use for pass on to here;
        // only a press on the background itself is the window's.
        if (childAt(event->position().toPoint())) return;
        form_->Form_MouseDown(
            MouseCode::button(event->button()), MouseCode::shift(event->modifiers()),
            Twips::fromPixels(event->position().x()), Twips::fromPixels(event->position().y()));
    }

  private:
    Form3* form_;
};

QImage picture(const char* resource)
{
    return QImage(QString::fromLatin1(resource));
}

// The design boxes were drawn for a narrower font than most platforms have:
// shrink a caption's font until it fits its box, so no caption is cut off.
void fitFont(QWidget* widget, const QString& text, int padding)
{
    QFont font = widget->font();
    const QString plain = QString(text).remove('&');
    while (font.pointSizeF() > 6.0 &&
           QFontMetrics(font).horizontalAdvance(plain) + padding > widget->width())
        font.setPointSizeF(font.pointSizeF() - 0.25);
    widget->setFont(font);
}

} // namespace

Form3::Form3(Services& services, QWidget* parent) : QMainWindow(parent), services_(services)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(kTitle);
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.png")));
    buildControls();
    buildMenus();
    qApp->installEventFilter(this);
    setAcceptDrops(true);
    Form_Load();
}

Form3::~Form3()
{
    qApp->removeEventFilter(this);
}

void Form3::buildControls()
{
    auto* client = new ClientArea(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    Controls& c = controls_;
    c.window = this;
    c.client = client;
    const QFont font = Fonts::msSansSerif(kControlFontPoints);

    auto image = [client](const char* name, QRectF rect, bool visible, bool stretch) {
        auto* view = new ImageView(client);
        view->setObjectName(QString::fromLatin1(name));
        view->setStretch(stretch);
        view->setRect(rect.x(), rect.y(), rect.width(), rect.height());
        view->setVisible(visible);
        return view;
    };
    // Views made in stacking order: the reference picture under everything.
    c.ImaOrig = image("ImaOrig", {120, 120, 5430, 3780}, true, false);
    c.CopiaImIni = image("CopiaImIni", {8880, 5280, 1320, 900}, false, true);
    c.CopiaImIni->setPicture(picture(":/pictures/start.png"));
    const double backLong = 1485, backShort = 1035;
    for (int code = 4; code <= 7; ++code) {
        const bool upright = code % 2 == 0;
        ImageView* back = image(
            QStringLiteral("Retro(%1)").arg(code).toLatin1().constData(),
            {0, 0, upright ? backShort : backLong, upright ? backLong : backShort}, false, true);
        back->setPicture(
            picture(QStringLiteral(":/pictures/back%1.png").arg(code).toLatin1().constData()));
        c.Retro[static_cast<size_t>(code)] = back;
    }

    auto button = [client, &font](const char* name, const QString& caption, QRectF rect,
                                  bool enabled) {
        auto* b = new QPushButton(caption, client);
        b->setObjectName(QString::fromLatin1(name));
        b->setFont(font);
        b->setEnabled(enabled);
        Twips::place(b, rect);
        fitFont(b, caption, 8);
        return b;
    };
    auto label = [client](const char* name, const QString& text, QRectF rect, const QFont& f) {
        auto* l = new QLabel(text, client);
        l->setObjectName(QString::fromLatin1(name));
        l->setFont(f);
        Twips::place(l, rect);
        fitFont(l, text, 0);
        return l;
    };
    auto box = [client, &font](const char* name, const QString& text, QRectF rect) {
        auto* e = new QLineEdit(text, client);
        e->setObjectName(QString::fromLatin1(name));
        e->setFont(font);
        e->setEnabled(false);
        e->setAlignment(Qt::AlignCenter);
        Twips::place(e, rect);
        return e;
    };
    // Panel tops are laid out by the fit; these are the design places.
    c.RC1 = label("RC1", QStringLiteral("Rows       Columns"), {3240, 0, 1335, 255}, font);
    c.Righe = box("Righe", QStringLiteral("3"), {3240, 0, 375, 375});
    c.RC2 = label("RC2", QStringLiteral("x"), {3840, 0, 255, 255}, Fonts::msSansSerif(9.75));
    c.RC2->setAlignment(Qt::AlignCenter);
    c.Colonne = box("Colonne", QStringLiteral("4"), {4200, 0, 375, 375});
    c.CmdImma = button("CmdImma", QStringLiteral("1 - Pick an &Image"), {120, 0, 1575, 375}, true);
    c.CmdGriglia =
        button("CmdGriglia", QStringLiteral("2 - Pick a &Grid"), {1800, 0, 1335, 375}, false);
    c.CmdPuzzle =
        button("CmdPuzzle", QStringLiteral("3 - Make &Puzzle"), {120, 0, 1575, 375}, false);
    c.CmdRaccogli =
        button("CmdRaccogli", QStringLiteral("Gathe&r Pieces"), {1800, 0, 1335, 375}, false);
    c.CmdAzze = button("CmdAzze", QStringLiteral("Clear Pu&zzle"), {3240, 0, 1335, 375}, false);
    connect(c.CmdImma, &QPushButton::clicked, this, &Form3::CmdImma_Click);
    connect(c.CmdGriglia, &QPushButton::clicked, this, &Form3::CmdGriglia_Click);
    connect(c.CmdPuzzle, &QPushButton::clicked, this, &Form3::CmdPuzzle_Click);
    connect(c.CmdRaccogli, &QPushButton::clicked, this, &Form3::CmdRaccogli_Click);
    connect(c.CmdAzze, &QPushButton::clicked, this, &Form3::CmdAzze_Click);

    // Lines: the grid sets start with element 0, hidden; the outline has four.
    auto line = [client](const char* name, int width, const QColor& colour) {
        auto* l = new LineView(client);
        l->setObjectName(QString::fromLatin1(name));
        l->setLineWidth(width);
        l->setColor(colour);
        l->setVisible(false);
        return l;
    };
    const QColor lineColour = palette().color(QPalette::WindowText);
    const QColor background = palette().color(QPalette::Window);
    LineView* firstRowLine = line("liO(0)", 1, lineColour);
    LineView* firstColumnLine = line("Liv(0)", 1, lineColour);
    rowLines_ = std::make_unique<ViewSet<LineView>>([this, firstRowLine](int i) {
        LineView* l = makeGridLine(firstRowLine);
        l->setObjectName(QStringLiteral("liO(%1)").arg(i));
        return l;
    });
    columnLines_ = std::make_unique<ViewSet<LineView>>([this, firstColumnLine](int i) {
        LineView* l = makeGridLine(firstColumnLine);
        l->setObjectName(QStringLiteral("Liv(%1)").arg(i));
        return l;
    });
    rowLines_->adopt(0, firstRowLine);
    columnLines_->adopt(0, firstColumnLine);
    c.liO = rowLines_.get();
    c.Liv = columnLines_.get();

    pieces_ = std::make_unique<ViewSet<ImageView>>([this](int i) { return makePieceView(i); });
    ImageView* templ = image("ImA(999)", {600, 4320, 495, 975}, false, false);
    templ->setEnabledFlag(false);
    pieces_->adopt(kTemplatePiece, templ);
    c.ImA = pieces_.get();

    c.liN = line("liN", 1, lineColour);
    c.liOv = line("liOv", 1, lineColour);
    c.liS = line("liS", 2, background);
    c.liE = line("liE", 2, background);

    c.ImaCompl = image("ImaCompl", {6000, 0, 2295, 1485}, false, true);
    c.ImaCompl->setPicture(picture(":/pictures/badge.png"));

    const double ratio = devicePixelRatioF();
    c.pBox.setDevicePixelRatio(ratio);
}

LineView* Form3::makeGridLine(const LineView* model)
{
    auto* l = new LineView(controls_.client);
    l->setLineWidth(model->lineWidth());
    l->setColor(model->color());
    // Grid lines lie under the pieces.
    l->lower();
    return l;
}

ImageView* Form3::makePieceView(int index)
{
    const ImageView* templ = controls_.ImA->at(kTemplatePiece);
    auto* view = new ImageView(controls_.client);
    view->setObjectName(QStringLiteral("ImA(%1)").arg(index));
    view->setStretch(true);
    view->setRect(templ->left(), templ->top(), templ->width(), templ->height());
    // New pieces go on top of the pieces dealt before them, under the badge and
    // the drag outline.
    view->stackUnder(controls_.liN);
    connect(view, &ImageView::pressed, this, [this, index](int b, int s, double x, double y) {
        Table t = table();
        Pieces::ImA_MouseDown(t, index, b, s, x, y);
    });
    connect(view, &ImageView::moved, this, [this, index](int b, int s, double x, double y) {
        Table t = table();
        Pieces::ImA_MouseMove(t, index, b, s, x, y);
    });
    connect(view, &ImageView::released, this, [this, index](int b, int s, double x, double y) {
        Table t = table();
        Pieces::ImA_MouseUp(t, index, b, s, x, y);
    });
    return view;
}

void Form3::buildMenus()
{
    Controls& c = controls_;
    QMenuBar* bar = menuBar();
    auto item = [this](QMenu* menu, const char* name, const QString& caption) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };

    QMenu* mFile = bar->addMenu(QStringLiteral("File"));
    mFile->setObjectName(QStringLiteral("mFile"));
    c.mImma = item(mFile, "mImma", QStringLiteral("1 - Pick an &Image"));
    mFile->addSeparator();
    c.mSalva = item(mFile, "mSalva", QStringLiteral("&Save as is"));
    c.mSalva->setEnabled(false);
    mFile->addSeparator();
    QAction* mChiudi = item(mFile, "mChiudi", QStringLiteral("Exit"));

    c.mVisual = bar->addMenu(QStringLiteral("View"));
    c.mVisual->setObjectName(QStringLiteral("mVisual"));
    QAction* mGrande =
        item(c.mVisual, "mGrande", QStringLiteral("Enlarge the Grid Area       (+)"));
    QAction* mPicco = item(c.mVisual, "mPicco", QStringLiteral("Reduce the Grid Area        (-)"));
    QAction* mNorma = item(c.mVisual, "mNorma", QStringLiteral("Reset equal Areas          (0)"));
    setViewMenuEnabled(c, false);

    QMenu* mAzio = bar->addMenu(QStringLiteral("Actions"));
    mAzio->setObjectName(QStringLiteral("mAzio"));
    c.mGrig = item(mAzio, "mGrig", QStringLiteral("2 - Pick a &Grid..."));
    c.mPuzl = item(mAzio, "mPuzl", QStringLiteral("3 - Make &Puzzle"));
    mAzio->addSeparator();
    c.mRaccogli = item(mAzio, "mRaccogli", QStringLiteral("Gathe&r all Pieces"));
    c.mAzze = item(mAzio, "mAzze", QStringLiteral("Clear Pu&zzle"));
    for (QAction* a : {c.mGrig, c.mPuzl, c.mRaccogli, c.mAzze})
        a->setEnabled(false);

    QMenu* mScom = bar->addMenu(QStringLiteral("Arrangement"));
    mScom->setObjectName(QStringLiteral("mScom"));
    c.mSpos = item(mScom, "mSpos", QStringLiteral("Translate only"));
    c.mRuot = item(mScom, "mRuot", QStringLiteral("... and Rotate"));
    c.mRove = item(mScom, "mRove", QStringLiteral("... and Upset"));
    c.mTrasp = item(mScom, "mTrasp", QStringLiteral("... and Transparece"));
    int mode = 1;
    for (QAction* a : {c.mSpos, c.mRuot, c.mRove, c.mTrasp}) {
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, mode] {
            Table t = table();
            Pieces::ArrangementToggled(t, mode);
        });
        ++mode;
    }
    c.mRove->setChecked(true);

    QMenu* mAiuto = bar->addMenu(QStringLiteral("Help"));
    mAiuto->setObjectName(QStringLiteral("mAiuto"));
    QAction* mGuida = item(mAiuto, "mGuida", QStringLiteral("Full Guide"));
    mGuida->setShortcut(QKeySequence(Qt::Key_F1));
    mGuida->setShortcutContext(Qt::ApplicationShortcut);
    QMenu* quick = mAiuto->addMenu(QStringLiteral("Quick Guide"));
    quick->setObjectName(QStringLiteral("mQuick"));
    for (const char* line : {"Drag: with Left Mouse Button", "Rotate: Ctrl + Left MouseClick",
                             "Upset:  Uppercase + Left MouseClick", "Cut Free:  Right MouseClick"})
        quick->addAction(QString::fromLatin1(line));
    mAiuto->addSeparator();
    QAction* mInfo = item(mAiuto, "mInfo", QStringLiteral("In&formation"));

    connect(c.mImma, &QAction::triggered, this, &Form3::CmdImma_Click);
    connect(c.mSalva, &QAction::triggered, this, &Form3::mSalva_Click);
    connect(mChiudi, &QAction::triggered, this, &Form3::mChiudi_Click);
    connect(mGrande, &QAction::triggered, this, [this] {
        Table t = table();
        Board::EnlargeGridArea(t);
    });
    connect(mPicco, &QAction::triggered, this, [this] {
        Table t = table();
        Board::ReduceGridArea(t);
    });
    connect(mNorma, &QAction::triggered, this, [this] {
        Table t = table();
        Board::ResetAreas(t);
    });
    connect(c.mGrig, &QAction::triggered, this, &Form3::mGrig_Click);
    connect(c.mPuzl, &QAction::triggered, this, &Form3::CmdPuzzle_Click);
    connect(c.mRaccogli, &QAction::triggered, this, &Form3::CmdRaccogli_Click);
    connect(c.mAzze, &QAction::triggered, this, &Form3::CmdAzze_Click);
    connect(mGuida, &QAction::triggered, this, &Form3::mGuida_Click);
    connect(mInfo, &QAction::triggered, this, &Form3::mInfo_Click);
}

void Form3::Form_Load()
{
    GameState& s = state_;
    const Geometry::Maxima maxima = Geometry::referenceMaxima(services_.screenSizeTwips());
    s.referenceMaxWidth = maxima.width;
    s.referenceMaxHeight = maxima.height;
    controls_.ImaOrig->setPicture(controls_.CopiaImIni->picture());
    controls_.ImaOrig->setStretch(false);
    s.gamePhase = 0;
    Table t = table();
    Board::FitReferencePicture(t);
}

void Form3::Form_KeyPress(int keyCode)
{
    const int upper = QChar(keyCode).toUpper().unicode();
    const Controls& c = controls_;
    if (upper == 'I' && c.CmdImma->isEnabled()) CmdImma_Click();
    if (upper == 'G' && c.CmdGriglia->isEnabled()) CmdGriglia_Click();
    if (upper == 'P' && c.CmdPuzzle->isEnabled()) CmdPuzzle_Click();
    if (upper == 'R' && c.CmdRaccogli->isEnabled()) CmdRaccogli_Click();
    if (upper == 'Z' && c.CmdAzze->isEnabled()) CmdAzze_Click();
    Table t = table();
    switch (keyCode) {
    case '+': Board::EnlargeGridArea(t); break;
    case '-': Board::ReduceGridArea(t); break;
    case '0': Board::ResetAreas(t); break;
    default: break;
    }
}

void Form3::Form_MouseDown(int button, int, double, double)
{
    if (button == 2 && state_.gamePhase > 0) controls_.mVisual->popup(QCursor::pos());
}

bool Form3::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::MouseButtonPress)
        return QMainWindow::eventFilter(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this) return QMainWindow::eventFilter(watched, event);

    if (event->type() == QEvent::MouseButtonPress) {
        // Filters see presses on disabled widgets too, but a disabled box
        // takes no click: during a game it must not take the grid away.
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && widget->isEnabled()) {
            if (widget == controls_.Righe)
                Righe_Click();
            else if (widget == controls_.Colonne)
                Colonne_Click();
        }
        return false;
    }

    // The window sees every character key first, once, as it reaches the
    // focused control; the key then goes on to that control unchanged.
    QWidget* first = focusWidget() ? focusWidget() : this;
    if (widget != first) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    if (text.size() != 1) return false;
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    const int code = text.at(0).unicode();
    // Delete comes with a character of its own here, but it is an editing key,
    // not a character: the boxes take it as any text box does.
    if (code == kDeleteCharacter) return false;
    QPointer<QWidget> target(widget);
    Form_KeyPress(code);
    if (!target) return true;
    if ((widget == controls_.Righe || widget == controls_.Colonne) && !GridInput::boxAccepts(code))
        return true; // the boxes take digits only
    return false;
}

namespace {
// The one local file a drop carries, or nothing.
QString droppedFile(const QMimeData* mime)
{
    if (!mime || !mime->hasUrls()) return QString();
    const QList<QUrl> urls = mime->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile()) return QString();
    return QDir::toNativeSeparators(urls.first().toLocalFile());
}
} // namespace

void Form3::dragEnterEvent(QDragEnterEvent* event)
{
    if (controls_.CmdImma->isEnabled() && !droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void Form3::dropEvent(QDropEvent* event)
{
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty() || !controls_.CmdImma->isEnabled()) return;
    event->acceptProposedAction();
    // Taken up once the drop is over, so the file manager is not kept waiting
    // while the picture loads or a message is read.
    QMetaObject::invokeMethod(
        this,
        [this, path] {
            Table t = table();
            Board::DropFile(t, path);
        },
        Qt::QueuedConnection);
}

void Form3::CmdImma_Click()
{
    Table t = table();
    Board::CmdImma_Click(t);
}
void Form3::CmdGriglia_Click()
{
    Table t = table();
    Board::CmdGriglia_Click(t);
}
void Form3::CmdPuzzle_Click()
{
    Table t = table();
    Pieces::CmdPuzzle_Click(t);
}
void Form3::CmdRaccogli_Click()
{
    Table t = table();
    Pieces::CmdRaccogli_Click(t);
}
void Form3::CmdAzze_Click()
{
    Table t = table();
    Board::CmdAzze_Click(t);
}
void Form3::mGrig_Click()
{
    Table t = table();
    Board::mGrig_Click(t);
}
void Form3::mSalva_Click()
{
    Table t = table();
    SaveGame::mSalva_Click(t);
}
void Form3::Righe_Click()
{
    Table t = table();
    Board::BoxClick(t);
}
void Form3::Colonne_Click()
{
    Table t = table();
    Board::BoxClick(t);
}

void Form3::mChiudi_Click()
{
    close();
    QApplication::quit();
}

void Form3::mGuida_Click()
{
#ifdef TESSOLINA_HAVE_HELP_WINDOWS
    FormA help(this, services_);
    if (help.Form_Load()) services_.showModal(help);
#endif
}

void Form3::mInfo_Click()
{
#ifdef TESSOLINA_HAVE_HELP_WINDOWS
    FormI info(this, services_);
    info.Form_Load();
    services_.showModal(info);
#endif
}
