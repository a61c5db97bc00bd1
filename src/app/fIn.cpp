#include "app/fIn.h"

#include "platform/IniFile.h"

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
