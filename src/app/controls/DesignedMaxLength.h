#pragma once

class QLineEdit;

// Gives the edit its designed maximum length: what the user types, pastes or drops stops at
// maxLength characters, while text the program sets (a panel's answer, a settings file) goes in
// whole, however long. A text set longer than the limit can be shortened by the user but not
// lengthened. QLineEdit::setMaxLength is not the way: it also cuts every text the program sets,
// which would quietly change a value on its way from the panel back to the panel.
// The limit is kept by the edit's validator: an edit with a designed length has no other one.
void SetDesignedMaxLength(QLineEdit* edit, int maxLength);
