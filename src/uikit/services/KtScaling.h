#pragma once

class QWidget;

// Scales the control's position and size by numerator / denominator (rounded to the nearest), as
// the toolkit does when a window is shown at another screen density than it was designed at.
void ScaleBounds(QWidget* control, int numerator, int denominator);
