#pragma once

#include <QStringList>

// The program's eight settings pages by object name (their settings sections), in the order of
// the page tree. Tests compare the pages that exist against it, so a page added later is
// checked without a change here.
inline const QStringList kDesignedPages{
    QStringLiteral("FormCommon"), QStringLiteral("formATests"),   QStringLiteral("formGPRS"),
    QStringLiteral("FormLoops"),  QStringLiteral("FormEnNumber"), QStringLiteral("formWays"),
    QStringLiteral("FormKBDs"),   QStringLiteral("FormHistory"),
};
