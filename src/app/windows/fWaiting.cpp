#include "app/windows/fWaiting.h"

#include "platform/CenterOnOwner.h"

#include <QLabel>

namespace {
constexpr double kOpacity = 215.0 / 255.0;
}

TFormWaiting::TFormWaiting(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint), Label1(new QLabel(this)) {
    setObjectName(QStringLiteral("FormWaiting"));
    setFixedSize(301, 50);
    setWindowOpacity(kOpacity);

    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setText(QStringLiteral("Пожалуйста, подождите. Идет удаление истории..."));
    Label1->setGeometry(0, 0, 301, 50);
    Label1->setAlignment(Qt::AlignCenter);

    CenterOnOwner(*this);
    show();
}
