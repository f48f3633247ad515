#include "pieces/Deal.h"

#include <algorithm>
#include <cmath>
#include <numeric>

SlotPool::SlotPool(int slots) : slots_(static_cast<size_t>(std::max(0, slots)))
{
    std::iota(slots_.begin(), slots_.end(), 0);
}

int SlotPool::positionFor(double u) const
{
    const int n = size();
    if (n == 0) return -1;
    const int r = static_cast<int>(std::floor(u * n));
    return std::clamp(r, 0, n - 1);
}

int SlotPool::take(int position)
{
    const int slot = slots_.at(static_cast<size_t>(position));
    slots_.erase(slots_.begin() + position);
    return slot;
}

int drawOrientation(int orientationRange, double u)
{
    const float single = static_cast<float>(u);
    // A double just below 1 can round up to 1.0f; stay inside the range.
    const int code = static_cast<int>(std::floor(orientationRange * static_cast<double>(single)));
    return std::clamp(code, 0, std::max(0, orientationRange - 1));
}

int orientationRangeFor(int arrangementMode, int previousRange)
{
    switch (arrangementMode) {
    case 1: return 1;
    case 2: return 4;
    case 3:
    case 4: return 8;
    default: return previousRange;
    }
}
