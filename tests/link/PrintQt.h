#pragma once

#include <QByteArray>
#include <QString>
#include <ostream>

// Failure messages show texts and byte strings readably instead of as arrays of objects.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toUtf8().toPercentEncoding(" >=.:()!?/,-_+").constData() << '"';
}
inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
    *os << '"' << bytes.toPercentEncoding(" >=.:()!?/,-_+").constData() << '"';
}
