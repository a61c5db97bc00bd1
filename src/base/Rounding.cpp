#include "base/Rounding.h"

#include <cmath>

int RoundHalfEven(double value) {
    const double down = std::floor(value);
    const double diff = value - down;
    double r;
    if (diff > 0.5)
        r = down + 1;
    else if (diff < 0.5)
        r = down;
    else
        r = std::fmod(down, 2.0) == 0 ? down : down + 1;
    return int(r);
}
