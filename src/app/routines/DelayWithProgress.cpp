#include "app/routines/DelayWithProgress.h"

#include "platform/Delay.h"
#include "uikit/controls/KtProgressBar.h"

void DelayWithProgress(quint32 Ms, TKtProgressBar& Bar, int StepMs) {
    DelayWithSteps(Ms, StepMs, [&Bar] { Bar.SetPartsComplete(Bar.PartsComplete() + 1); });
}
