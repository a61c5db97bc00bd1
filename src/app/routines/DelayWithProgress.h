#pragma once

#include <QtGlobal>

class TKtProgressBar;

// Delay (Ms) that moves Bar on by one part whenever at least StepMs milliseconds have passed
// since its last step (or the start): 15000 ms in steps of 150 ms gives about 100 steps.
void DelayWithProgress(quint32 Ms, TKtProgressBar& Bar, int StepMs);
