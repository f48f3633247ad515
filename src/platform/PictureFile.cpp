#include "platform/PictureFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>
#include <QtEndian>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace PictureFile {

Loaded load(const QString& path)
{
    Loaded result;
    if (path.isEmpty()) return result;
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile()) {
        result.error = QStringLiteral("File not found: %1").arg(path);
        return result;
    }
    // Room for the largest accepted picture at 32 bits per pixel.
    QImageReader::setAllocationLimit(int(kMaxPixels * 4 / (1024 * 1024)) + 16);
    QImageReader reader(path);
    // Trust the contents, not the extension: a file named .jpg may hold a GIF.
    reader.setDecideFormatFromContent(true);
    // Photos come upright as the camera meant them.
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > kMaxSide || size.height() > kMaxSide ||
                           qint64(size.width()) * size.height() > kMaxPixels)) {
        result.error = QStringLiteral("Picture too large: %1 x %2 pixels")
                           .arg(size.width())
                           .arg(size.height());
        return result;
    }
    QImage picture;
    if (!reader.read(&picture) || picture.isNull()) {
        result.error = reader.errorString();
        if (result.error.isEmpty()) result.error = QStringLiteral("Not a picture: %1").arg(path);
        return result;
    }
    // Formats that tell no size before decoding are held to the same bound.
    if (picture.width() > kMaxSide || picture.height() > kMaxSide ||
        qint64(picture.width()) * picture.height() > kMaxPixels) {
        result.error = QStringLiteral("Picture too large");
        return result;
    }
    result.picture = picture;
    return result;
}

namespace {

bool is32BitRgb(const QImage& picture)
{
    return picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32;
}

void putLe16(uchar* at, quint16 v)
{
    qToLittleEndian(v, at);
}
void putLe32(uchar* at, quint32 v)
{
    qToLittleEndian(v, at);
}

// A 24-bit bitmap straight from 32-bit pixels: the rows go out bottom first in
// large blocks, with no per-pixel call into an image library. Qt's own writer
// does the same conversion, a call per pixel and a write per row.
bool write24BitRgb(const QImage& picture, QIODevice& out)
{
    const int w = picture.width(), h = picture.height();
    const qsizetype rowBytes = (qsizetype(w) * 3 + 3) & ~qsizetype(3);
    const qint64 imageBytes = qint64(rowBytes) * h;
    uchar header[54] = {};
    header[0] = 'B';
    header[1] = 'M';
    putLe32(header + 2, quint32(54 + imageBytes));
    putLe32(header + 10, 54);
    putLe32(header + 14, 40);
    putLe32(header + 18, quint32(w));
    putLe32(header + 22, quint32(h));
    putLe16(header + 26, 1);
    putLe16(header + 28, 24);
    putLe32(header + 34, quint32(imageBytes));
    putLe32(header + 38, quint32(qMax(0, picture.dotsPerMeterX())));
    putLe32(header + 42, quint32(qMax(0, picture.dotsPerMeterY())));
    if (out.write(reinterpret_cast<const char*>(header), sizeof header) != qint64(sizeof header))
        return false;

    // About a megabyte per write: large enough that the calls do not count,
    // small enough to stay in the cache.
    const int rowsPerBlock = int(qMax<qsizetype>(1, (1 << 20) / rowBytes));
    std::unique_ptr<uchar[]> block(new uchar[size_t(rowBytes) * size_t(rowsPerBlock)]);
    for (int done = 0; done < h;) {
        const int rows = qMin(rowsPerBlock, h - done);
        for (int r = 0; r < rows; ++r) {
            const auto* in = reinterpret_cast<const QRgb*>(picture.constScanLine(h - 1 - done - r));
            uchar* o = block.get() + qsizetype(r) * rowBytes;
            int x = 0;
            // Four pixels make three little-endian words of blue, green, red.
            for (; x + 4 <= w; x += 4) {
                const QRgb p0 = in[x], p1 = in[x + 1], p2 = in[x + 2], p3 = in[x + 3];
                putLe32(o, (p0 & 0xffffff) | (p1 << 24));
                putLe32(o + 4, ((p1 >> 8) & 0xffff) | (p2 << 16));
                putLe32(o + 8, ((p2 >> 16) & 0xff) | (p3 << 8));
                o += 12;
            }
            for (; x < w; ++x) {
                const QRgb p = in[x];
                o[0] = uchar(p);
                o[1] = uchar(p >> 8);
                o[2] = uchar(p >> 16);
                o += 3;
            }
            for (qsizetype pad = qsizetype(w) * 3; pad < rowBytes; ++pad)
                *o++ = 0;
        }
        const qint64 bytes = qint64(rows) * rowBytes;
        if (out.write(reinterpret_cast<const char*>(block.get()), bytes) != bytes) return false;
        done += rows;
    }
    return true;
}

bool writeBmp(const QImage& picture, QSaveFile& file, QString* error)
{
    const bool written =
        is32BitRgb(picture) ? write24BitRgb(picture, file) : picture.save(&file, "BMP");
    if (!written) {
        if (error) *error = QStringLiteral("Could not write a bitmap");
        file.cancelWriting();
        return false;
    }
    // commit() does not notice a flush the disk cut short: flush first, so a
    // full disk never swaps a truncated bitmap in.
    if (!file.flush()) {
        if (error) *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}

// One thread that runs the writes in order, started on first use.
class BackgroundWriter {
  public:
    static BackgroundWriter& instance()
    {
        static BackgroundWriter writer;
        return writer;
    }

    void post(std::function<void()> job)
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!thread_.joinable()) {
            thread_ = std::thread([this] { run(); });
            // Quitting waits for the files, while the application still stands.
            if (QCoreApplication::instance()) qAddPostRoutine(&PictureFile::waitForBackgroundSaves);
        }
        jobs_.push_back(std::move(job));
        wake_.notify_one();
    }

    void wait()
    {
        std::unique_lock<std::mutex> lock(mutex_);
        idle_.wait(lock, [this] { return jobs_.empty() && !busy_; });
    }

    ~BackgroundWriter()
    {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stopping_ = true;
            wake_.notify_one();
        }
        if (thread_.joinable()) thread_.join();
    }

  private:
    BackgroundWriter() = default;

    void run()
    {
        std::unique_lock<std::mutex> lock(mutex_);
        for (;;) {
            // The queue is emptied before the thread ends, so no write is lost.
            wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
            if (jobs_.empty()) return;
            std::function<void()> job = std::move(jobs_.front());
            jobs_.pop_front();
            busy_ = true;
            lock.unlock();
            job();
            job = nullptr; // lets go of the picture before anyone is told
            lock.lock();
            busy_ = false;
            if (jobs_.empty()) idle_.notify_all();
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_, idle_;
    std::deque<std::function<void()>> jobs_;
    bool busy_ = false;
    bool stopping_ = false;
    std::thread thread_;
};

} // namespace

bool saveBmp(const QImage& picture, const QString& path, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error) *error = file.errorString();
        return false;
    }
    return writeBmp(picture, file, error);
}

bool saveBmpInBackground(const QImage& picture, const QString& path, QString* error)
{
    auto file = std::make_shared<QSaveFile>(path);
    if (!file->open(QIODevice::WriteOnly)) {
        if (error) *error = file->errorString();
        return false;
    }
    // From here on only the writer's thread touches the file.
    BackgroundWriter::instance().post([picture, file] { writeBmp(picture, *file, nullptr); });
    return true;
}

void waitForBackgroundSaves()
{
    BackgroundWriter::instance().wait();
}

} // namespace PictureFile
