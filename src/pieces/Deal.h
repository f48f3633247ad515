#pragma once

#include <vector>

// The pool of slots still to deal. A draw u in [0, 1) takes the slot at
// floor(u x size); the others keep their order, so a sequence of draws always
// gives the same deal.
class SlotPool {
  public:
    explicit SlotPool(int slots);
    int size() const { return static_cast<int>(slots_.size()); }
    bool empty() const { return slots_.empty(); }
    int positionFor(double u) const;
    int take(int position);

  private:
    std::vector<int> slots_;
};

// The orientation drawn for a piece: floor(range x u), u in single precision.
int drawOrientation(int orientationRange, double u);

// How many codes the deal draws from for the ticked arrangement item
// (1 Translate only, 2 Rotate, 3 Upset, 4 Transparent; 0 none ticked).
int orientationRangeFor(int arrangementMode, int previousRange);
