#include "base/Rounding.h"

#include <cmath>
#include <cstdlib>

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

int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0) return -1;
    const long long product = static_cast<long long>(number) * numerator;
    const long long half = std::llabs(static_cast<long long>(denominator)) / 2;
    const bool negative = (product < 0) != (denominator < 0);
    const long long magnitude =
        (std::llabs(product) + half) / std::llabs(static_cast<long long>(denominator));
    return static_cast<int>(negative ? -magnitude : magnitude);
}
