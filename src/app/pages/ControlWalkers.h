#pragma once

#include "app/pages/DesignedControls.h"

#include <optional>

class TMemIniFile;

// Generic walkers over the designed controls of a window (DesignedControls.h), in design order.
// The INI section is the window's object name, the key the control's name, and the default a
// control's hint. A hint that does not convert never stops a walk: the control keeps its current
// value where the hint would have given one. Check boxes and radio buttons changed by a walker
// fire `toggled`, so the pages' enabling handlers run after each change and only then.

// Empties edits, unchecks check boxes, sets mask edits to their hints (spin edits, radio buttons
// and combo boxes keep their values), and removes every change mark.
void ClearControls(const TDesignedControls& form);

// Removes the change marks of labels, edits, spin edits, check boxes and radio buttons; values and
// mask edits are left as they are.
void ResetControlMarks(const TDesignedControls& form);

// Every value control takes its hint: edits, spin edits and mask edits as text, check boxes and
// radio buttons as a boolean, combo boxes as an item index.
void SetControlDefaults(const TDesignedControls& form);

// Edits only when their key exists (an empty value empties them); spin edits only from a
// non-empty value; check boxes and combo boxes default to their hints, radio buttons to their
// current state, mask edits to their hints.
void LoadControlsFromIni(const TMemIniFile& ini, const TDesignedControls& form);

// Every value control, visible or not, in design order: texts as strings, check states as "1"/"0",
// item indexes as integers (-1 when nothing is chosen).
void SaveControlsToIni(TMemIniFile& ini, const TDesignedControls& form);

// A boolean hint: "true"/"false" in any letter case, or an integer (other than 0 is true).
std::optional<bool> HintToBool(const QString& hint);

// A combo box's item index; -1 when nothing is chosen or, in an editable one, when the typed
// text is no longer the chosen item's text.
int ComboItemIndex(const QComboBox* combo);
