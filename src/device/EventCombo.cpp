#include "device/EventCombo.h"

#include "device/MsgFile.h"

#include <QComboBox>

namespace {

constexpr int kEventLength = 4; // qualifier digit and three-digit code

} // namespace

int EventItemIndex(const QComboBox& combo, const QString& value) {
    const QString key = value.mid(1, 3) + value.left(1);
    const QString text = MsgFile ? MsgFile->TextOf(key) : QStringLiteral(" ");
    return combo.findText(key + QStringLiteral(": ") + text);
}

QString ChosenEvent(const QComboBox& combo) {
    const QString item = combo.currentText();
    if (item.size() < kEventLength) return QString();
    return item.mid(3, 1) + item.left(3);
}
