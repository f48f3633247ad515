#include "Report.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

double Series::median() const
{
    if (ms.empty()) return 0;
    std::vector<double> sorted = ms;
    std::sort(sorted.begin(), sorted.end());
    const size_t n = sorted.size();
    return n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
}

double Series::min() const
{
    return ms.empty() ? 0 : *std::min_element(ms.begin(), ms.end());
}

const Figure* PictureResult::figure(const QString& key) const
{
    for (const Figure& f : figures)
        if (f.key == key) return &f;
    return nullptr;
}

namespace {

QString number(double v, int width, int decimals)
{
    return QStringLiteral("%1").arg(v, width, 'f', decimals);
}

QString millis(double ms, int width)
{
    // Short figures keep their hundredths, long ones are read in whole tenths.
    return number(ms, width, ms < 10 ? 3 : 1);
}

QString peakText(const PictureResult& r)
{
    if (r.peakMiB < 0) return QStringLiteral("n/a");
    return QStringLiteral("%1 MiB%2")
        .arg(r.peakMiB, 0, 'f', 0)
        .arg(r.peakOfThisPicture ? QString() : QStringLiteral(" (since start)"));
}

struct Goal {
    QString what;
    QString key;
    bool ratio; // a ratio to D, or else milliseconds / MiB
    double goal, stretch;
    QString unit;
};

} // namespace

void printTable(QTextStream& out, const RunInfo& info, const std::vector<PictureResult>& results)
{
    out << "Tessolina benchmark: " << info.runs << " runs per figure (" << info.decodeRuns
        << " for D, " << info.movesPerRun << " moves per run), " << info.cores << " cores, Qt "
        << info.qtVersion << ", platform " << info.platform << "\n";
    out << "D is the decoder alone (TurboJPEG for JPEG, Qt for GIF and BMP); each figure is\n"
           "timed until the window has painted it.\n\n";
    for (const PictureResult& r : results) {
        out << r.name << "  " << r.width << " x " << r.height << " ("
            << number(r.width * double(r.height) / 1e6, 0, 1) << " MP), " << r.format << ", "
            << number(r.fileBytes / 1048576.0, 0, 1) << " MiB\n";
        out << QStringLiteral("  %1 %2 %3 %4\n")
                   .arg(QStringLiteral("figure"), -42)
                   .arg(QStringLiteral("median ms"), 10)
                   .arg(QStringLiteral("min ms"), 10)
                   .arg(QStringLiteral("median/D"), 9);
        const double d = r.figures.empty() ? 0 : r.figures.front().series.median();
        for (const Figure& f : r.figures) {
            const double m = f.series.median();
            out << QStringLiteral("  %1 %2 %3 %4\n")
                       .arg(f.label, -42)
                       .arg(millis(m, 10))
                       .arg(millis(f.series.min(), 10))
                       .arg(d > 0 ? number(m / d, 9, 3) : QStringLiteral("-").rightJustified(9));
        }
        out << QStringLiteral("  %1 %2\n\n")
                   .arg(QStringLiteral("peak resident memory"), -42)
                   .arg(peakText(r));
    }

    const PictureResult* big = nullptr;
    for (const PictureResult& r : results)
        if (r.format == QLatin1String("JPEG") &&
            (!big || r.width * qint64(r.height) > big->width * qint64(big->height)))
            big = &r;
    if (!big) return;
    const double d = big->figures.front().series.median();
    const Goal goals[] = {
        {QStringLiteral("pick until painted"), QStringLiteral("pick"), true, 1.5, 0.8,
         QStringLiteral("D")},
        {QStringLiteral("cut 99 pieces until painted"), QStringLiteral("cut"), true, 2.5, 2.0,
         QStringLiteral("D")},
        {QStringLiteral("one drag move"), QStringLiteral("move"), false, 0.5, 0.2,
         QStringLiteral("ms")},
    };
    out << "Goals for " << big->name << " (D = " << number(d, 0, 1) << " ms):\n";
    auto verdict = [](double v, double goal, double stretch) {
        if (v <= stretch) return QStringLiteral("met, stretch met");
        if (v <= goal) return QStringLiteral("met");
        return QStringLiteral("NOT met");
    };
    for (const Goal& g : goals) {
        const Figure* f = big->figure(g.key);
        if (!f) continue;
        const double v = g.ratio ? f->series.median() / d : f->series.median();
        out << QStringLiteral("  %1 <= %2 %3 (stretch %4): %5 %3  %6\n")
                   .arg(g.what, -30)
                   .arg(g.goal)
                   .arg(g.unit)
                   .arg(g.stretch)
                   .arg(number(v, 0, g.ratio ? 2 : 3))
                   .arg(verdict(v, g.goal, g.stretch));
    }
    if (big->peakMiB >= 0)
        out << QStringLiteral("  %1 <= 320 MiB (stretch 220): %2 MiB  %3\n")
                   .arg(QStringLiteral("peak memory"), -30)
                   .arg(number(big->peakMiB, 0, 0))
                   .arg(verdict(big->peakMiB, 320, 220));
    else
        out << QStringLiteral("  %1 <= 320 MiB (stretch 220): n/a\n")
                   .arg(QStringLiteral("peak memory"), -30);
}

QByteArray toJson(const RunInfo& info, const std::vector<PictureResult>& results)
{
    QJsonObject root;
    root[QStringLiteral("runs")] = info.runs;
    root[QStringLiteral("decode_runs")] = info.decodeRuns;
    root[QStringLiteral("moves_per_run")] = info.movesPerRun;
    root[QStringLiteral("cores")] = info.cores;
    root[QStringLiteral("qt")] = info.qtVersion;
    root[QStringLiteral("platform")] = info.platform;
    root[QStringLiteral("process_peak_mib")] =
        info.processPeakMiB < 0 ? QJsonValue() : QJsonValue(info.processPeakMiB);
    QJsonArray pictures;
    for (const PictureResult& r : results) {
        QJsonObject p;
        p[QStringLiteral("name")] = r.name;
        p[QStringLiteral("format")] = r.format;
        p[QStringLiteral("width")] = r.width;
        p[QStringLiteral("height")] = r.height;
        p[QStringLiteral("file_bytes")] = static_cast<double>(r.fileBytes);
        const double d = r.figures.empty() ? 0 : r.figures.front().series.median();
        QJsonObject figures;
        for (const Figure& f : r.figures) {
            QJsonObject o;
            o[QStringLiteral("what")] = f.label;
            o[QStringLiteral("median_ms")] = f.series.median();
            o[QStringLiteral("min_ms")] = f.series.min();
            o[QStringLiteral("ratio_to_d")] = d > 0 ? f.series.median() / d : 0.0;
            o[QStringLiteral("samples")] = static_cast<int>(f.series.ms.size());
            // Every run's figure, unless there are hundreds (the drag moves).
            if (f.series.ms.size() <= 32) {
                QJsonArray all;
                for (double v : f.series.ms)
                    all.append(v);
                o[QStringLiteral("runs_ms")] = all;
            }
            figures[f.key] = o;
        }
        p[QStringLiteral("figures")] = figures;
        p[QStringLiteral("peak_mib")] = r.peakMiB < 0 ? QJsonValue() : QJsonValue(r.peakMiB);
        p[QStringLiteral("peak_of_this_picture")] = r.peakOfThisPicture;
        pictures.append(p);
    }
    root[QStringLiteral("pictures")] = pictures;
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
