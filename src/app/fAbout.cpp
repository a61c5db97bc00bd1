#include "app/fAbout.h"

#include "app/CenterOnOwner.h"
#include "base/Color.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFormAbout* FormAbout = nullptr;

TFormAbout::TFormAbout(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      Image1(new QLabel(this)), Label1(new QLabel(this)),
      Button1(new QPushButton(QStringLiteral("OK"), this)) {
    setObjectName(QStringLiteral("FormAbout"));
    setWindowTitle(QStringLiteral("О программе"));
    setFixedSize(269, 225);

    // The picture along the top: the product's name on the maker's colours.
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setText(QStringLiteral("ЗЕЛВАН\nGSM-9-TK4"));
    Image1->setAlignment(Qt::AlignCenter);
    QFont title = Image1->font();
    title.setBold(true);
    title.setPointSize(16);
    Image1->setFont(title);
    Image1->setAutoFillBackground(true);
    QPalette picture = Image1->palette();
    picture.setColor(QPalette::Window, ToQColor(clNavy));
    picture.setColor(QPalette::WindowText, ToQColor(clWhite));
    Image1->setPalette(picture);
    Image1->setFixedHeight(100);

    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setText(QStringLiteral("ЗЕЛВАН\nПрограмма настройки прибора GSM-9-TK4"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);

    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->addWidget(Image1);
    layout->addWidget(Label1, 1);
    layout->addWidget(Button1, 0, Qt::AlignHCenter);
}

void TFormAbout::showEvent(QShowEvent* event) {
    CenterOnOwner(*this);
    QDialog::showEvent(event);
}
