#include "app/windows/fLoad.h"

#include "base/Color.h"
#include "platform/Clock.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

TFormLoad::TFormLoad(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), Label1(new QLabel(this)) {
    setObjectName(QStringLiteral("FormLoad"));
    setWindowTitle(QStringLiteral("Зугрузка"));
    setFixedSize(388, 54);
    QPalette background = palette();
    background.setColor(QPalette::Window, ToQColor(clWhite));
    setPalette(background);
    setAutoFillBackground(true);

    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setText(QStringLiteral("Программа настройки Zelvan9TK4"));
    QFont font(QStringLiteral("Tahoma"));
    font.setBold(true);
    font.setPointSize(12);
    Label1->setFont(font);
    QPalette text = Label1->palette();
    text.setColor(QPalette::WindowText, ToQColor(clActiveCaption));
    Label1->setPalette(text);
    Label1->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    SetAlphaBlendValue(200);
}

void TFormLoad::SetAlphaBlendValue(int value) {
    alphaBlendValue_ = qBound(0, value, 255);
    setWindowOpacity(alphaBlendValue_ / 255.0);
}

void TFormLoad::FadeIn() {
    for (int round = 0; round < 41; ++round) {
        QCoreApplication::processEvents();
        Clock::SleepMs(5);
        SetAlphaBlendValue(qMin(255, alphaBlendValue_ + 5));
    }
}
