#include "app/windows/fAbout.h"

#include "platform/CenterOnOwner.h"
#include "uikit/controls/KtURLLabel.h"
#include "uikit/draw/KtCanvas.h"
#include "uikit/draw/KtGradient.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>

TFormAbout* FormAbout = nullptr;

namespace {

constexpr int kWidth = 269;
const QString kSite = QStringLiteral("www.zelvan.example");
const QString kContacts =
    QStringLiteral("ЗЕЛВАН, г. Москва\nтел.: +7 (000) 000-00-00\nтел./факс: +7 (000) 000-00-01");

// The product's name in white over the maker's blue, darkening downwards.
QImage AboutPicture(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    TCanvas canvas(picture);
    PaintGradient(canvas, {0, 0, width, height}, gdHorizontalEnd, RGB(0x40, 0x70, 0xC0), clNavy, 1);
    canvas.Brush.Style = bsClear;
    canvas.FontColor = clWhite;
    canvas.Font.setFamily(QStringLiteral("DejaVu Sans"));
    canvas.Font.setBold(true);
    canvas.Font.setPixelSize(30);
    TRect title{0, 18, width, 54};
    canvas.DrawText(title, QStringLiteral("GSM-9-TK4"), dtCenter | dtSingleLine | dtNoPrefix);
    canvas.Font.setBold(false);
    canvas.Font.setPixelSize(13);
    TRect subtitle{0, 60, width, 80};
    canvas.DrawText(subtitle, QStringLiteral("Программа настройки прибора"), dtCenter | dtSingleLine);
    return picture;
}

// Places an auto-sized label, whose width follows its text, across the middle of the box.
void Centre(TKtLabel* label, int top) {
    label->move((kWidth - label->width()) / 2, top);
}

} // namespace

TFormAbout::TFormAbout(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      Image1(new QLabel(this)), KtURLLabel1(new TKtURLLabel(this)), KtLabel1(new TKtLabel(this)),
      Button1(new QPushButton(QStringLiteral("OK"), this)) {
    setObjectName(QStringLiteral("FormAbout"));
    setWindowTitle(QStringLiteral("О программе"));
    setFixedSize(kWidth, 225);

    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, kWidth, 96);
    Image1->setPixmap(QPixmap::fromImage(AboutPicture(kWidth, 96)));

    KtURLLabel1->setObjectName(QStringLiteral("KtURLLabel1"));
    KtURLLabel1->setGeometry(8, 104, kWidth - 16, 16);
    KtURLLabel1->SetAlignment(Qt::AlignHCenter);
    QFont link = KtURLLabel1->font();
    link.setBold(true);
    KtURLLabel1->setFont(link);
    KtURLLabel1->SetURL(kSite);
    KtURLLabel1->SetCaption(kSite);
    // Wrapping from here on keeps the lines the text has: a wrapping label fits its width to
    // them, so with no text yet it would be too narrow for any word.
    KtURLLabel1->SetWordWrap(true);
    Centre(KtURLLabel1, 104);

    KtLabel1->setObjectName(QStringLiteral("KtLabel1"));
    KtLabel1->setGeometry(8, 128, kWidth - 16, 16);
    KtLabel1->SetAlignment(Qt::AlignHCenter);
    KtLabel1->SetCaption(kContacts);
    KtLabel1->SetWordWrap(true);
    Centre(KtLabel1, 128);

    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry((kWidth - 75) / 2, 188, 75, 25);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
}

void TFormAbout::showEvent(QShowEvent* event) {
    CenterOnOwner(*this);
    QDialog::showEvent(event);
}
