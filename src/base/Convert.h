#pragma once

#include <QString>
#include <optional>

// Number conversions with the rules the panel's texts and the settings files follow.

// Decimal, or hexadecimal after "$", "0x" or "0X"; blanks around the number are allowed.
// Throws EConvertError ("'<text>' is not a valid integer value") on anything else.
int StrToInt(const QString& text);
std::optional<int> TryStrToInt(const QString& text);
int StrToIntDef(const QString& text, int fallback);

// Upper-case hexadecimal with at least `digits` digits; negative values as the 32-bit two's
// complement (always eight digits).
QString IntToHex(int value, int digits);

// Decimal with at least `digits` digits, zero padded after any sign (printf "%.Nd").
QString ZeroPad(int value, int digits);
