#pragma once

#include <QString>
#include <vector>

// The gathering cascade, as plain numbers (twips).
namespace GatherPlan {

constexpr double kMargin = 50;
constexpr double kBottomMargin = 700;

// The loose pieces as two-character tokens ("07", "12") between margins of two
// spaces; taking token k out keeps the others in order.
class TokenPool {
  public:
    explicit TokenPool(const std::vector<int>& loosePieces);
    int size() const { return static_cast<int>((text_.size() - 4) / 2); }
    // Token k from a draw r in [0, 1): k = floor(1 + r x (n - 1)), so while
    // two or more are left the last token (the highest piece) is never drawn.
    int drawPosition(double r) const;
    int take(int k); // k counted from 1
    const QString& text() const { return text_; }

  private:
    QString text_;
};

struct Input {
    int remaining; // loose pieces
    int zoomLevel;
    double cellWidth, cellHeight;
    // Below the reference picture (zoomLevel < 0):
    double referenceLeft, referenceTop, referenceWidth, referenceHeight;
    // Below the grid:
    double gridLeft, gridBottom, gridWidth;
    bool clearButtonVisible;
    double clearButtonRight; // CmdAzze left + width
    double windowHeight;     // outer height
    double templateHeight;   // ImA(999)
};

struct Plan {
    double startX, startY;
    double stepX, stepY;
};

Plan plan(const Input& in);

double roundTwip(double value); // to the nearest whole twip, halves to even

} // namespace GatherPlan
