#include "app/windows/TVLog.h"

#include "app/windows/TextFileDialog.h"
#include "base/Cp1251.h"
#include "platform/DialogService.h"
#include "platform/SafeFile.h"

#include <QCheckBox>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <utility>

namespace {

// Draws every log line on one row: a raw answer carries the panel's CR LF, which would make
// each exchange three rows high in a pane that holds a handful. The node keeps its text as it
// came (the saved log writes it so); only what is drawn shows each line break as one mark.
class TOneRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QString displayText(const QVariant& value, const QLocale&) const override {
        return OneRowText(value.toString());
    }
};

constexpr TColor kPlainBackground = clWhite;
constexpr TColor kDetailBackground = clInfoBk;

void AppendText(QByteArray& out, const QTreeWidgetItem* item, int depth) {
    out += QByteArray(depth, '\t');
    out += toCp1251(item->text(0));
    out += "\r\n";
    for (int i = 0; i < item->childCount(); ++i)
        AppendText(out, item->child(i), depth + 1);
}

} // namespace

QString OneRowText(QString text) {
    const QString mark(QChar(0x21B5)); // ↵
    text.replace(QStringLiteral("\r\n"), mark);
    text.replace(u'\r', mark);
    text.replace(u'\n', mark);
    return text;
}

TTVLog::TTVLog(QTreeWidget* Tree) : Tree(Tree) {
    Tree->setItemDelegate(new TOneRowDelegate(Tree));
    // Every row one line high: the view then lays out a long log without measuring each line.
    Tree->setUniformRowHeights(true);
    showTimer_.setSingleShot(true);
    showTimer_.setInterval(0);
    QObject::connect(&showTimer_, &QTimer::timeout, [this] { ShowLastAdded(); });
}

void TTVLog::WriteInfo(const QString& Text) {
    Add(nullptr, Text, clBlack, kDetailBackground);
}

void TTVLog::WriteError(const QString& Text) {
    Add(nullptr, Text, clYellow, clRed);
}

void TTVLog::WriteMessage(const QString& Text) {
    Add(nullptr, Text, clBlack, kPlainBackground);
}

void TTVLog::WriteDetail(const QString& Text, const QString& Detail, TColor Color) {
    QTreeWidgetItem* line = Add(nullptr, Text, Color, kPlainBackground);
    Add(line, Detail, Color, kDetailBackground);
}

void TTVLog::WriteLines(const QString& Text, const QStringList& Lines, TColor Color) {
    QTreeWidgetItem* line = Add(nullptr, Text, Color, kPlainBackground);
    for (const QString& detail : Lines)
        Add(line, detail, Color, kDetailBackground);
}

void TTVLog::SetScrollBox(const QCheckBox* Box) {
    scrollBox_ = Box;
}

QTreeWidgetItem* TTVLog::Add(QTreeWidgetItem* parent, const QString& text, TColor textColor,
                             TColor background) {
    auto* item = new QTreeWidgetItem(QStringList{text});
    // The view draws these only while the line is not selected; a selected line shows in the
    // selection colours.
    item->setForeground(0, ToQColor(textColor));
    item->setBackground(0, ToQColor(background));
    if (parent)
        parent->addChild(item);
    else
        Tree->addTopLevelItem(item);
    if (scrollBox_ && scrollBox_->isChecked()) {
        if (parent) parent->setExpanded(true);
        lastAdded_ = item;
        if (!showTimer_.isActive()) showTimer_.start();
    }
    return item;
}

void TTVLog::ShowLastAdded() {
    QTreeWidgetItem* const item = std::exchange(lastAdded_, nullptr);
    // A box cleared since the line came (a click handled in the same round of window messages)
    // means the user wants the view left where it is.
    if (!item || !scrollBox_ || !scrollBox_->isChecked()) return;
    Tree->setCurrentItem(item);
    Tree->scrollToItem(item);
}

void TTVLog::Clear() {
    lastAdded_ = nullptr;
    Tree->clear();
}

QByteArray TTVLog::ToText() const {
    QByteArray out;
    for (int i = 0; i < Tree->topLevelItemCount(); ++i)
        AppendText(out, Tree->topLevelItem(i), 0);
    return out;
}

void TTVLog::Save() {
    const QString fileName = DialogService::Instance().FileDialog(TextFileSaveDialog());
    if (fileName.isEmpty()) return;
    QString reason;
    if (!WriteFileSafely(fileName, ToText(), &reason))
        ShowError(QStringLiteral("Не удалось сохранить файл \"%1\". %2").arg(fileName, reason));
}
