#pragma once

#include <QString>

// Protocol text compares "without regard to case" by folding only the Latin letters a-z;
// Cyrillic and every other character compare as they are.
QChar asciiUpper(QChar c);
QString asciiUpper(const QString& text);
QString asciiLower(const QString& text);

// Position of needle in haystack ignoring ASCII case, or -1. An empty needle never matches.
qsizetype asciiIndexOf(const QString& haystack, const QString& needle, qsizetype from = 0);
bool asciiContains(const QString& haystack, const QString& needle);
bool asciiSameText(const QString& a, const QString& b);
