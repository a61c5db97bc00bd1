#include "app/routines/DurationText.h"

QString DurationText(quint32 Seconds) {
    const quint32 days = Seconds / 86400;
    const quint32 hours = Seconds % 86400 / 3600;
    const quint32 minutes = Seconds % 3600 / 60;
    const quint32 seconds = Seconds % 60;
    QString text;
    if (days > 0)
        text += QString::number(days) + QStringLiteral(" сут ");
    if (days > 0 || hours > 0)
        text += QString::number(hours) + QStringLiteral(" ч ");
    if (days > 0 || hours > 0 || minutes > 0)
        text += QString::number(minutes) + QStringLiteral(" мин ");
    return text + QString::number(seconds) + QStringLiteral(" сек ");
}
