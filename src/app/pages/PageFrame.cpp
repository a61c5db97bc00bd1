#include "app/pages/PageFrame.h"

#include "app/pages/fIn.h"

#include <QGroupBox>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

constexpr int kBoxMargin = 8; // between the scroll box's edge and the group box

} // namespace

TPageFrame CreatePageFrame(TformIncl& page, const QString& scrollName, const QString& boxName,
                           const QString& title, const QSize& boxSize) {
    page.setWindowTitle(title);
    auto& c = page.Controls();
    auto* layout = new QVBoxLayout(&page);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* scroll = c.AddOther(new QScrollArea(&page), scrollName);
    scroll->setFrameShape(QFrame::NoFrame);
    layout->addWidget(scroll);
    auto* content = new QWidget(scroll);
    content->setFixedSize(boxSize + QSize(2 * kBoxMargin, 2 * kBoxMargin));
    scroll->setWidget(content);

    auto* box = c.AddOther(new QGroupBox(title, content), boxName);
    QFont bold = box->font();
    bold.setBold(true);
    box->setFont(bold);
    box->setGeometry(kBoxMargin, kBoxMargin, boxSize.width(), boxSize.height());
    return {scroll, box};
}
