// Pictures come from anywhere. Whatever the bytes of a file, the game's own
// loader answers with a picture within the game's bounds or with a reason, and
// an accepted picture goes through what the cut does with it: the upright
// copy, the quarter-turned copy and the cells of both splitters.
#include "platform/Module1.h"
#include "platform/PictureClip.h"
#include "platform/PictureFile.h"

#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

void require(bool condition, const char* what)
{
    if (condition) return;
    std::fprintf(stderr, "picture loading broke its promise: %s\n", what);
    std::abort();
}

QString gInputPath;
constexpr qint64 kMaxCutPixels = 4'000'000;

// Qt's decoders are not instrumented, so the fuzzer sees only this file's
// branches: telling the kinds of input apart here keeps one input of each
// kind in the corpus instead of losing most seeds as "nothing new".
volatile int gKinds[64];
void noteKind(const QByteArray& format, const QImage& picture)
{
    const int f = format.isEmpty() ? 0 : (format.at(0) * 31 + format.size()) & 15;
    switch (f) {
    case 0: gKinds[0] = 1; break;
    case 1: gKinds[1] = 1; break;
    case 2: gKinds[2] = 1; break;
    case 3: gKinds[3] = 1; break;
    case 4: gKinds[4] = 1; break;
    case 5: gKinds[5] = 1; break;
    case 6: gKinds[6] = 1; break;
    case 7: gKinds[7] = 1; break;
    case 8: gKinds[8] = 1; break;
    case 9: gKinds[9] = 1; break;
    case 10: gKinds[10] = 1; break;
    case 11: gKinds[11] = 1; break;
    case 12: gKinds[12] = 1; break;
    case 13: gKinds[13] = 1; break;
    case 14: gKinds[14] = 1; break;
    default: gKinds[15] = 1; break;
    }
    if (picture.isNull()) return;
    switch (picture.depth()) {
    case 1: gKinds[16] = 1; break;
    case 8: gKinds[17] = 1; break;
    case 16: gKinds[18] = 1; break;
    case 24: gKinds[19] = 1; break;
    case 32: gKinds[20] = 1; break;
    case 64: gKinds[21] = 1; break;
    default: gKinds[22] = 1; break;
    }
    if (picture.hasAlphaChannel()) gKinds[23] = 1;
    if (picture.width() < 2 || picture.height() < 2) gKinds[24] = 1;
    if (picture.width() > 1000 || picture.height() > 1000) gKinds[25] = 1;
}

void cutLikeTheGame(const QImage& picture)
{
    QImage upright = picture;
    if (upright.format() != QImage::Format_RGB32)
        upright = upright.convertToFormat(QImage::Format_RGB32);
    require(!upright.isNull(), "an accepted picture converts for the cut");
    int width = upright.width();
    int height = upright.height();
    QImage turned = upright;
    Module1::RotateBitmap(turned, width, height, 2);
    require(width == upright.height() && height == upright.width(), "a quarter turn swaps sides");

    // The smallest grid, where cells of pictures narrower than it have no pixels.
    PictureClip clip1, clip2;
    clip1.setPicture(upright);
    clip1.setRows(2);
    clip1.setColumns(2);
    clip2.setPicture(turned);
    clip2.setRows(2);
    clip2.setColumns(2);
    // A cell without pixels is no picture at all; the piece view then shows nothing.
    auto cellIsRight = [](const QImage& cell, const QImage& whole) {
        const int w = whole.width() / 2, h = whole.height() / 2;
        if (w == 0 || h == 0) return cell.isNull();
        return cell.width() == w && cell.height() == h;
    };
    for (int i = 0; i < 4; ++i) {
        require(cellIsRight(clip1.cell(i), upright), "cells of the upright copy");
        require(cellIsRight(clip2.cell(i), turned), "cells of the turned copy");
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_picture";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    static QTemporaryDir dir;
    require(dir.isValid(), "a temporary folder for the inputs");
    // The loader trusts the contents, not the name.
    gInputPath = dir.filePath(QStringLiteral("input.jpg"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    {
        QFile file(gInputPath);
        require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the input can be written");
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    const PictureFile::Loaded loaded = PictureFile::load(gInputPath);
    {
        QImageReader probe(gInputPath);
        probe.setDecideFormatFromContent(true);
        noteKind(probe.format(), loaded.picture);
    }
    if (!loaded.ok()) {
        require(loaded.picture.isNull(), "a refused file gives no half-made picture");
        return 0;
    }
    const QImage& picture = loaded.picture;
    require(!picture.isNull(), "an accepted file gives a picture");
    require(picture.width() <= PictureFile::kMaxSide && picture.height() <= PictureFile::kMaxSide,
            "sides within the bound");
    require(qint64(picture.width()) * picture.height() <= PictureFile::kMaxPixels,
            "pixels within the bound");
    // The cut's work grows with the picture's size alone, not with what the
    // file held; past a few megapixels it would only slow the search down.
    if (qint64(picture.width()) * picture.height() <= kMaxCutPixels) cutLikeTheGame(picture);
    return 0;
}
