#include "app/pages/fIn.h"

#include "platform/IniFile.h"

#include <QLabel>

TformIncl::TformIncl(QWidget* owner) : QWidget(owner) {
    setObjectName(QStringLiteral("formIncl"));
    setWindowTitle(QStringLiteral("FormIncl"));
}

void TformIncl::Clear() {
    ClearControls(controls_);
}

void TformIncl::ResetMarks() {
    ResetControlMarks(controls_);
}

void TformIncl::LoadFromIni(const TMemIniFile& ini) {
    LoadControlsFromIni(ini, controls_);
}

void TformIncl::SaveToIni(TMemIniFile& ini) {
    SaveControlsToIni(ini, controls_);
}

void TformIncl::SetDefaults() {
    SetControlDefaults(controls_);
}

QLabel* TformIncl::AddLabel(QWidget* parent, const QString& caption, int x, int y) {
    QLabel* label = controls_.AddLabel(parent, QStringLiteral("Label%1").arg(++labels_), caption);
    label->move(x, y);
    label->adjustSize();
    return label;
}
