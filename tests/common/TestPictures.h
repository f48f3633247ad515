#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

// Small pictures painted by the tests, so a failure shows which cell went where.
namespace TestPictures {

// A picture split into rows x columns solid blocks, each a distinct colour
// (see cellColour), blockW x blockH pixels each.
QImage blocks(int rows, int columns, int blockW, int blockH);
QColor cellColour(int index);

// Writes `picture` into `dir` under `name` (format from the extension).
QString save(const QTemporaryDir& dir, const QString& name, const QImage& picture);

} // namespace TestPictures
