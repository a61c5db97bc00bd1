#include "uikit/services/KtOldPropReader.h"

#include "base/AsciiText.h"
#include "uikit/buttons/KtButton.h"
#include "uikit/buttons/KtDialogButtons.h"
#include "uikit/controls/KtPanel.h"
#include "uikit/services/KtFrameController.h"

#include <QVariant>

namespace {

using Mapping = void (*)(QObject* component, const QVariant& value);

struct OldProp {
    const char* kind; // the class that knows the property, or one it derives from
    const char* name;
    Mapping mapping; // none: the value is dropped
};

const OldProp kOldProps[] = {
    {"TKtCustomPanel", "ThemeAware", nullptr},
    {"TKtCustomPanel", "FrameSides", nullptr},
    {"TKtCustomPanel", "UseGradients",
     [](QObject* component, const QVariant& value) {
         if (value.toBool()) static_cast<TKtCustomPanel*>(component)->SetVisualStyle(vsGradient);
     }},
    {"TKtButton", "FrameFlat",
     [](QObject* component, const QVariant& value) {
         static_cast<TKtButton*>(component)->SetHotTrack(value.toBool());
     }},
    {"TKtDialogButtons", "FrameFlat",
     [](QObject* component, const QVariant& value) {
         static_cast<TKtDialogButtons*>(component)->SetHotTrack(value.toBool());
     }},
    {"TKtLabel", "FrameSides", nullptr},
    {"TKtLEDDisplay", "SegSpacing", nullptr},
    {"TKtLEDDisplay", "DisplayCells", nullptr},
    {"TKtSplitter", "PositionMin", nullptr},
    {"TKtSplitter", "PositionMax", nullptr},
    {"TKtFrameController", "FrameFlatStyle", nullptr},
    {"TKtFrameController", "FrameFlat",
     [](QObject* component, const QVariant& value) {
         static_cast<TKtFrameController*>(component)->ReadFrameFlat(value.toBool());
     }},
    {"TKtFrameController", "FrameFocusStyle",
     [](QObject* component, const QVariant& value) {
         static_cast<TKtFrameController*>(component)->ReadFrameFocusStyle(TFrameStyle(value.toInt()));
     }},
};

} // namespace

bool TKtOldPropReader::ReadOldProp(QObject* component, const QString& name, const QVariant& value) {
    for (const OldProp& prop : kOldProps) {
        if (!component->inherits(prop.kind) || !asciiSameText(name, QLatin1String(prop.name))) continue;
        if (prop.mapping != nullptr) prop.mapping(component, value);
        return true;
    }
    return false;
}
