#include "base/Cp1251.h"

#include <QHash>
#include <QStringDecoder>

namespace {

struct Table {
    QString toUnicode;          // index = byte
    QHash<char16_t, uchar> toByte;

    Table() {
        QByteArray all(256, '\0');
        for (int i = 0; i < 256; ++i)
            all[i] = char(i);
        QStringDecoder decoder("windows-1251");
        toUnicode = decoder.decode(all);
        Q_ASSERT(toUnicode.size() == 256);
        for (int i = 0; i < 256; ++i)
            toByte.insert(toUnicode.at(i).unicode(), uchar(i));
    }
};

const Table& table() {
    static const Table t;
    return t;
}

} // namespace

QString fromCp1251(const QByteArray& bytes) {
    const QString& map = table().toUnicode;
    QString out(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = map.at(uchar(bytes.at(i)));
    return out;
}

int cp1251Byte(QChar c) {
    auto it = table().toByte.constFind(c.unicode());
    return it == table().toByte.constEnd() ? -1 : int(*it);
}

QByteArray toCp1251(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i; // one character outside the code page, one "?"
            out.append('?');
            continue;
        }
        const int b = cp1251Byte(c);
        out.append(b < 0 ? '?' : char(b));
    }
    return out;
}
