#pragma once

// Rounds to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
int RoundHalfEven(double value);
// number * numerator / denominator in 64 bits, rounded to the nearest integer with halves away
// from zero, as the desktop's MulDiv; -1 when denominator is 0.
int MulDiv(int number, int numerator, int denominator);
