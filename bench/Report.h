#pragma once

#include <QString>
#include <QTextStream>
#include <vector>

// Several timings of one figure, in milliseconds.
struct Series {
    std::vector<double> ms;
    double median() const;
    double min() const;
    bool empty() const { return ms.empty(); }
};

struct Figure {
    QString key;   // short name, also the JSON key
    QString label; // what was timed
    Series series;
};

struct PictureResult {
    QString name;
    QString format;
    int width = 0, height = 0;
    qint64 fileBytes = 0;
    std::vector<Figure> figures; // the first one is the decoder floor D
    double peakMiB = -1;         // below 0: not available here
    bool peakOfThisPicture = false;

    const Figure* figure(const QString& key) const;
};

struct RunInfo {
    int runs = 0;
    int decodeRuns = 0;
    int movesPerRun = 0;
    int cores = 0;
    QString qtVersion;
    QString platform;
    double processPeakMiB = -1;
};

void printTable(QTextStream& out, const RunInfo& info, const std::vector<PictureResult>& results);
QByteArray toJson(const RunInfo& info, const std::vector<PictureResult>& results);
