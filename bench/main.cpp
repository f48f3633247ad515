// Plays the game's heavy paths on big pictures, headless, and sets each one
// against the bare decode of the same file. Run with --help for the options.
#include "BenchServices.h"
#include "Pictures.h"
#include "Report.h"

#include "app/Form3.h"
#include "platform/PictureFile.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <functional>
#include <memory>
#include <turbojpeg.h>
#include <unordered_set>

namespace {

constexpr int kRows = 9, kColumns = 11; // 99 pieces, the most a board holds

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

[[noreturn]] void fail(const QString& why)
{
    err() << "tessolina_bench: " << why << Qt::endl;
    std::exit(1);
}

double elapsedMs(const QElapsedTimer& timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// Peak resident memory, where the system tells it: Linux keeps it as VmHWM
// and lets a process set it back to the current size.
double peakResidentMiB()
{
#if defined(Q_OS_LINUX)
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) {
            const QList<QByteArray> parts = line.simplified().split(' ');
            if (parts.size() >= 2) return parts[1].toDouble() / 1024.0;
        }
#endif
    return -1;
}

bool resetPeakResident()
{
#if defined(Q_OS_LINUX)
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
#else
    return false;
#endif
}

// Counts the paints of the piece and picture views, so that a figure is only
// taken once the window has really drawn what it shows.
class PaintWatch : public QObject {
  public:
    std::unordered_set<const QObject*> painted;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) painted.insert(watched);
        return false;
    }
};

struct Picture {
    QString name, format, path;
    int width, height;
};

class Bench {
  public:
    Bench(int runs, int decodeRuns, int moves) : runs_(runs), decodeRuns_(decodeRuns), moves_(moves)
    {
        qApp->installEventFilter(&watch_);
    }

    PictureResult measure(const Picture& picture);

  private:
    Series decodeFloor(const Picture& picture);
    void newWindow();
    // Lets the window handle what is pending, which paints whatever changed.
    void paintNow() { QCoreApplication::sendPostedEvents(); }
    // "Clear Puzzle", and back to the event loop as after any click, which
    // deletes the removed pieces.
    void clear()
    {
        form_->CmdAzze_Click();
        paintNow();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void expectNoMessage(const QString& when);
    void sendMouse(ImageView* view, QEvent::Type type, QPointF local, Qt::MouseButton button,
                   Qt::MouseButtons buttons);
    QPointF localOf(const ImageView* view, QPointF windowTwips) const;

    int runs_, decodeRuns_, moves_;
    PaintWatch watch_;
    BenchServices services_;
    std::unique_ptr<Form3> form_;
};

Series Bench::decodeFloor(const Picture& picture)
{
    Series s;
    for (int run = 0; run < decodeRuns_; ++run) {
        QElapsedTimer timer;
        timer.start();
        if (picture.format == QLatin1String("JPEG")) {
            QFile file(picture.path);
            if (!file.open(QIODevice::ReadOnly))
                fail(QStringLiteral("cannot read %1").arg(picture.path));
            const QByteArray bytes = file.readAll();
            tjhandle handle = tjInitDecompress();
            int w = 0, h = 0, subsampling = 0, colourspace = 0;
            const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
            const auto size = static_cast<unsigned long>(bytes.size());
            if (tjDecompressHeader3(handle, data, size, &w, &h, &subsampling, &colourspace) != 0)
                fail(QStringLiteral("TurboJPEG cannot read %1").arg(picture.path));
            // Same pixel layout as the game's pictures (32 bits, blue first in
            // memory on little-endian machines).
            std::unique_ptr<unsigned char[]> pixels(new unsigned char[size_t(w) * h * 4]);
            const int format =
                QSysInfo::ByteOrder == QSysInfo::LittleEndian ? TJPF_BGRX : TJPF_XRGB;
            if (tjDecompress2(handle, data, size, pixels.get(), w, w * 4, h, format, 0) != 0)
                fail(QStringLiteral("TurboJPEG cannot decode %1").arg(picture.path));
            tjDestroy(handle);
        } else {
            QImageReader reader(picture.path);
            const QImage image = reader.read();
            if (image.isNull()) fail(QStringLiteral("Qt cannot decode %1").arg(picture.path));
        }
        s.ms.push_back(elapsedMs(timer));
    }
    return s;
}

void Bench::newWindow()
{
    form_.reset();
    services_.messages.clear();
    form_ = std::make_unique<Form3>(services_);
    form_->resize(1920, 1040);
    form_->show();
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

void Bench::expectNoMessage(const QString& when)
{
    if (!services_.messages.isEmpty())
        fail(QStringLiteral("%1: the game said \"%2\"").arg(when, services_.messages.join(" / ")));
}

QPointF Bench::localOf(const ImageView* view, QPointF windowTwips) const
{
    return QPointF(Twips::toPixels(windowTwips.x()) - view->x(),
                   Twips::toPixels(windowTwips.y()) - view->y());
}

void Bench::sendMouse(ImageView* view, QEvent::Type type, QPointF local, Qt::MouseButton button,
                      Qt::MouseButtons buttons)
{
    QMouseEvent event(type, local, view->mapToGlobal(local), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(view, &event);
}

PictureResult Bench::measure(const Picture& picture)
{
    PictureResult result;
    result.name = picture.name;
    result.format = picture.format;
    result.width = picture.width;
    result.height = picture.height;
    result.fileBytes = QFileInfo(picture.path).size();

    err() << "  " << picture.name << ": decoder floor" << Qt::endl;
    Figure decode{QStringLiteral("D"), QStringLiteral("D: decode alone"), decodeFloor(picture)};

    Figure pick{QStringLiteral("pick"), QStringLiteral("pick: path chosen -> picture painted"), {}};
    Figure cut{QStringLiteral("cut"), QStringLiteral("cut 9 x 11: -> every piece painted"), {}};
    Figure files{QStringLiteral("cut_files"), QStringLiteral("cut: -> temp bitmaps complete"), {}};
    Figure move{QStringLiteral("move"), QStringLiteral("one accepted drag move, painted"), {}};
    Figure gather{QStringLiteral("gather"), QStringLiteral("gather 99 loose pieces, painted"), {}};
    Figure zoom{QStringLiteral("zoom"), QStringLiteral("one zoom step (+), painted"), {}};
    Figure save{QStringLiteral("save"), QStringLiteral("save the board"), {}};
    Figure resume{QStringLiteral("resume"), QStringLiteral("resume the board, painted"), {}};

    newWindow();
    result.peakOfThisPicture = resetPeakResident();
    Controls& c = form_->controls();
    GameState& s = form_->state();
    QElapsedTimer timer;

    for (int run = 0; run < runs_; ++run) {
        err() << "  " << picture.name << ": run " << run + 1 << " of " << runs_ << Qt::endl;
        if (s.gamePhase > 0) clear();
        services_.messages.clear();

        // Pick: the dialog answers at once, so this is the game's own work.
        services_.openAnswers.push_back(picture.path);
        watch_.painted.clear();
        timer.start();
        form_->CmdImma_Click();
        paintNow();
        pick.series.ms.push_back(elapsedMs(timer));
        expectNoMessage(QStringLiteral("pick"));
        if (s.gamePhase != 1 || !watch_.painted.count(c.ImaOrig))
            fail(QStringLiteral("pick: the picture was not taken and painted"));

        c.Righe->setText(QString::number(kRows));
        c.Colonne->setText(QString::number(kColumns));
        form_->CmdGriglia_Click();
        paintNow();

        watch_.painted.clear();
        timer.start();
        form_->CmdPuzzle_Click();
        paintNow();
        cut.series.ms.push_back(elapsedMs(timer));
        PictureFile::waitForBackgroundSaves();
        files.series.ms.push_back(elapsedMs(timer));
        expectNoMessage(QStringLiteral("cut"));
        if (s.gamePhase != 3) fail(QStringLiteral("cut: the board was not dealt"));
        for (int i = 0; i < kRows * kColumns; ++i)
            if (!watch_.painted.count(c.ImA->at(i)))
                fail(QStringLiteral("cut: piece %1 was not painted").arg(i));

        // Drag a turned piece (it can never snap) back and forth by a few
        // pixels: every move is accepted and repainted.
        int dragged = -1;
        for (int i = 0; i < kRows * kColumns && dragged < 0; ++i)
            if (s.pieceOrientation[i] != 0) dragged = i;
        if (dragged < 0) fail(QStringLiteral("move: no turned piece to drag"));
        ImageView* view = c.ImA->at(dragged);
        const QPointF grab(view->QWidget::width() / 2.0, view->QWidget::height() / 2.0);
        sendMouse(view, QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
        paintNow();
        for (int m = 0; m < moves_; ++m) {
            const double before = view->left();
            const QPointF to = grab + QPointF(m % 2 ? -3 : 3, m % 4 < 2 ? 2 : -2);
            watch_.painted.erase(view);
            timer.start();
            sendMouse(view, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
            paintNow();
            move.series.ms.push_back(elapsedMs(timer));
            if (view->left() == before || !watch_.painted.count(view))
                fail(QStringLiteral("move %1 was refused or not painted").arg(m));
        }
        sendMouse(view, QEvent::MouseButtonRelease, grab, Qt::LeftButton, Qt::NoButton);
        paintNow();

        timer.start();
        form_->CmdRaccogli_Click();
        paintNow();
        gather.series.ms.push_back(elapsedMs(timer));

        timer.start();
        form_->Form_KeyPress('+');
        paintNow();
        zoom.series.ms.push_back(elapsedMs(timer));
        if (s.zoomLevel != -1) fail(QStringLiteral("zoom: the step was refused"));
        form_->Form_KeyPress('0');
        paintNow();

        // An upright piece dragged home snaps, which makes the board worth saving.
        int upright = -1;
        for (int i = 0; i < kRows * kColumns && upright < 0; ++i)
            if (s.pieceOrientation[i] == 0 && !s.piecePlaced[i]) upright = i;
        if (upright < 0) fail(QStringLiteral("save: no upright piece to snap"));
        ImageView* home = c.ImA->at(upright);
        const QPointF homeAt(s.gridLeft + (upright % kColumns) * s.cellWidth,
                             s.gridTop + (upright / kColumns) * s.cellHeight);
        const QPointF grabTwips(home->width() / 2, home->height() / 2);
        sendMouse(home, QEvent::MouseButtonPress,
                  localOf(home, QPointF(home->left(), home->top()) + grabTwips), Qt::LeftButton,
                  Qt::LeftButton);
        sendMouse(home, QEvent::MouseMove, localOf(home, homeAt + grabTwips), Qt::NoButton,
                  Qt::LeftButton);
        sendMouse(home, QEvent::MouseButtonRelease, localOf(home, homeAt + grabTwips),
                  Qt::LeftButton, Qt::NoButton);
        paintNow();
        if (!s.piecePlaced[upright] || !c.mSalva->isEnabled())
            fail(QStringLiteral("save: the piece did not snap"));

        timer.start();
        form_->mSalva_Click();
        save.series.ms.push_back(elapsedMs(timer));
        if (services_.messages.size() != 1 || !services_.messages.front().startsWith("Game saved"))
            fail(QStringLiteral("save: %1").arg(services_.messages.join(" / ")));
        services_.messages.clear();

        clear();
        services_.openAnswers.push_back(picture.path + QStringLiteral(".tsl"));
        watch_.painted.clear();
        timer.start();
        form_->CmdImma_Click();
        paintNow();
        resume.series.ms.push_back(elapsedMs(timer));
        expectNoMessage(QStringLiteral("resume"));
        if (s.gamePhase != 3 || !s.piecePlaced[upright])
            fail(QStringLiteral("resume: the board did not come back"));
        PictureFile::waitForBackgroundSaves();
    }
    result.peakMiB = peakResidentMiB();
    form_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    result.figures = {decode, pick, cut, files, move, gather, zoom, save, resume};
    return result;
}

std::vector<Picture> makePictures(const QString& folder)
{
    struct Kind {
        const char* name;
        const char* format;
        int width, height;
    };
    // Phone photos at three sizes, a drawing as a GIF and a scan as a bitmap.
    const Kind kinds[] = {{"photo-1mp.jpg", "JPEG", 1224, 816},
                          {"photo-8mp.jpg", "JPEG", 3264, 2448},
                          {"photo-24mp.jpg", "JPEG", 6000, 4000},
                          {"drawing-2mp.gif", "GIF", 1600, 1200},
                          {"scan-8mp.bmp", "BMP", 3264, 2448}};
    std::vector<Picture> pictures;
    for (const Kind& kind : kinds) {
        const QString path = QDir(folder).filePath(QString::fromLatin1(kind.name));
        Picture p{QString::fromLatin1(kind.name), QString::fromLatin1(kind.format), path,
                  kind.width, kind.height};
        const QSize existing = QImageReader(path).size();
        if (existing == QSize(kind.width, kind.height)) { // kept from an earlier run
            pictures.push_back(p);
            continue;
        }
        err() << "making " << kind.name << Qt::endl;
        const QImage scene = BenchPictures::photo(kind.width, kind.height, 0xC0FFEE + kind.width);
        QString error;
        bool ok = false;
        if (p.format == QLatin1String("JPEG"))
            ok = BenchPictures::writeJpeg(scene, path, 90, &error);
        else if (p.format == QLatin1String("GIF"))
            ok = BenchPictures::writeGif(scene, path, &error);
        else
            ok = BenchPictures::writeBmp24(scene, path, &error);
        if (!ok) fail(QStringLiteral("cannot write %1: %2").arg(path, error));
        if (QImageReader(path).size() != QSize(kind.width, kind.height))
            fail(QStringLiteral("%1 does not read back").arg(path));
        if (p.format == QLatin1String("BMP")) {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly) || file.read(30).at(28) != 24)
                fail(QStringLiteral("%1 is not a 24-bit bitmap").arg(path));
        }
        pictures.push_back(p);
    }
    return pictures;
}

} // namespace

int main(int argc, char* argv[])
{
    // Headless unless told otherwise: the figures are the game's own work,
    // not a display server's.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tessolina_bench"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Times the game's heavy paths on 1, 8 and 24 megapixel photos, a GIF and a "
                       "BMP, against decoding the same file alone."));
    parser.addHelpOption();
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print JSON."));
    const QCommandLineOption quick(QStringLiteral("quick"), QStringLiteral("Fewer runs."));
    const QCommandLineOption runsOption(
        QStringLiteral("runs"), QStringLiteral("Runs per figure (default 7, 3 with --quick)."),
        QStringLiteral("n"));
    const QCommandLineOption only(QStringLiteral("only"),
                                  QStringLiteral("Only pictures whose name contains this text."),
                                  QStringLiteral("text"));
    const QCommandLineOption keep(
        QStringLiteral("pictures"),
        QStringLiteral("Folder to make the pictures in and keep them (default: a temporary one)."),
        QStringLiteral("folder"));
    parser.addOptions({json, quick, runsOption, only, keep});
    parser.process(app);

    int runs = parser.isSet(quick) ? 3 : 7;
    if (parser.isSet(runsOption)) runs = std::max(1, parser.value(runsOption).toInt());
    const int decodeRuns = parser.isSet(quick) ? 5 : 11;
    const int moves = parser.isSet(quick) ? 50 : 200;

    // The game's fixed scale: 15 twips to the pixel, as on a 96 DPI screen.
    Twips::setPerPixel(15);

    QTemporaryDir temporary;
    QString folder = parser.value(keep);
    if (folder.isEmpty()) {
        if (!temporary.isValid()) fail(QStringLiteral("no temporary folder"));
        folder = temporary.path();
    } else if (!QDir().mkpath(folder)) {
        fail(QStringLiteral("cannot make %1").arg(folder));
    }
    std::vector<Picture> pictures = makePictures(folder);

    Bench bench(runs, decodeRuns, moves);
    std::vector<PictureResult> results;
    for (const Picture& p : pictures) {
        if (parser.isSet(only) && !p.name.contains(parser.value(only))) continue;
        results.push_back(bench.measure(p));
    }

    RunInfo info;
    info.runs = runs;
    info.decodeRuns = decodeRuns;
    info.movesPerRun = moves;
    info.cores = QThread::idealThreadCount();
    info.qtVersion = QString::fromLatin1(qVersion());
    info.platform = QGuiApplication::platformName();
    info.processPeakMiB = peakResidentMiB();
    for (const PictureResult& r : results)
        info.processPeakMiB = std::max(info.processPeakMiB, r.peakMiB);

    QTextStream out(stdout);
    if (parser.isSet(json))
        out << toJson(info, results);
    else
        printTable(out, info, results);
    return 0;
}
