#include "app/windows/fErrors.h"

#include "platform/CenterOnOwner.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

TFormErrors::TFormErrors(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), Label1(new QLabel(this)),
      pErrCount(new QLabel(this)), lErrors(new QTableWidget(0, 1, this)) {
    setObjectName(QStringLiteral("FormErrors"));
    setWindowTitle(QStringLiteral("Ошибки"));
    setFixedSize(338, 185);

    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setText(QStringLiteral("Количество ошибок"));
    Label1->setGeometry(8, 10, 120, 16);

    pErrCount->setObjectName(QStringLiteral("pErrCount"));
    pErrCount->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pErrCount->setAlignment(Qt::AlignCenter);
    pErrCount->setGeometry(136, 7, 57, 21);

    lErrors->setObjectName(QStringLiteral("lErrors"));
    lErrors->setGeometry(8, 36, 322, 141);
    lErrors->horizontalHeader()->hide();
    lErrors->verticalHeader()->hide();
    lErrors->setColumnWidth(0, 300);
    lErrors->setShowGrid(true);
    lErrors->setSelectionBehavior(QAbstractItemView::SelectRows);
    lErrors->setSelectionMode(QAbstractItemView::SingleSelection);
    lErrors->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // One line per item, as a list view shows it: a longer line is cut at the column's edge.
    lErrors->setWordWrap(false);
    lErrors->setTextElideMode(Qt::ElideRight);
    lErrors->verticalHeader()->setDefaultSectionSize(lErrors->fontMetrics().height() + 4);
}

void TFormErrors::SetErrors(const QStringList& lines) {
    pErrCount->setText(QString::number(lines.size()));
    lErrors->setRowCount(int(lines.size()));
    for (int row = 0; row < lines.size(); ++row)
        lErrors->setItem(row, 0, new QTableWidgetItem(lines.at(row)));
}

void TFormErrors::showEvent(QShowEvent* event) {
    // In the middle of the main window itself, whatever frame a window manager adds or not.
    CenterOnOwner(*this);
    QDialog::showEvent(event);
}
