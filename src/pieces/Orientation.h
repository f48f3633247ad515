#pragma once

// One of the eight ways a piece can lie: codes 0 to 3 are the face-up side
// turned 0 to 3 quarters clockwise, 4 to 7 the turned-over side.
class Orientation {
  public:
    static constexpr int kCount = 8;

    constexpr Orientation() = default;
    constexpr explicit Orientation(int code) : code_(code) {}
    constexpr int code() const { return code_; }
    static constexpr bool isValid(int code) { return code >= 0 && code < kCount; }

    // Odd codes show the quarter-turned cell: the view's sides swap.
    constexpr bool isOdd() const { return code_ % 2 != 0; }
    constexpr bool isTurnedOver() const { return code_ >= 4; }

    // 0 -> 1 -> 2 -> 3 -> 0 and 4 -> 5 -> 6 -> 7 -> 4.
    constexpr Orientation quarterTurned() const
    {
        int next = code_ + 1;
        if (next == 4) next = 0;
        if (next == 8) next = 4;
        return Orientation(next);
    }
    // Adds 4 below 4, takes 4 away from 4 up.
    constexpr Orientation turnedOver() const
    {
        return Orientation(code_ < 4 ? code_ + 4 : code_ - 4);
    }

    friend constexpr bool operator==(Orientation a, Orientation b) = default;

  private:
    int code_ = 0;
};

// The piece's cell in the picture turned a quarter clockwise, which has
// `columns` rows and `rows` columns.
constexpr int turnedCellIndex(int piece, int rows, int columns)
{
    const int row = piece / columns;
    const int column = piece % columns;
    return (rows - 1 - row) + rows * column;
}

// The bound of the model: piece numbers stay below kNoPiece, the number that
// means no piece is dragged, and every gathering token has two digits.
constexpr int kNoPiece = 99;
constexpr int kMaxPieces = 99;
