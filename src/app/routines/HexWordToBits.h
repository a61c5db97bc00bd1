#pragma once

#include <QString>

// Turns a flag word given as four hex digits into 16 characters "0"/"1", most significant bit
// first ("00A1" gives "0000000010100001"); characters after the fourth are dropped. S is first
// trimmed of blanks and put in upper case; when it does not start with four hex digits the
// result is false and S keeps that trimmed upper-case text.
bool HexWordToBits(QString& S);
