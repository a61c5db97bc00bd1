#include "app/windows/fProgress.h"

#include "platform/CenterOnOwner.h"

#include <QProgressBar>
#include <QPushButton>

namespace {
constexpr double kOpacity = 215.0 / 255.0;
}

TFormProgress::TFormProgress(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      pb(new QProgressBar(this)), Button1(new QPushButton(QStringLiteral("Отмена"), this)) {
    setObjectName(QStringLiteral("FormProgress"));
    setWindowTitle(QStringLiteral("Прогресс"));
    setFixedSize(165, 60);
    setWindowOpacity(kOpacity);

    pb->setObjectName(QStringLiteral("pb"));
    pb->setGeometry(7, 6, 150, 17);
    pb->setTextVisible(false);
    pb->setRange(0, 100);
    pb->setValue(0);

    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(45, 29, 75, 25);
    connect(Button1, &QPushButton::clicked, this, &TFormProgress::Button1Click);
}

void TFormProgress::StepIt() {
    // The bar would repaint itself at once, in the middle of the transfer's exchanges; this way
    // it repaints with the rest of the window at the next handling of window messages.
    pb->setUpdatesEnabled(false);
    pb->setValue(qMin(pb->value() + Step, pb->maximum()));
    pb->setUpdatesEnabled(true);
}

void TFormProgress::Button1Click() {
    CancelPressed = true;
    hide();
}

void TFormProgress::showEvent(QShowEvent* event) {
    CenterOnOwner(*this);
    QWidget::showEvent(event);
}
