#pragma once

#include <QString>

class QComboBox;

// The pages choose Contact ID events from lists whose items are the message table's key (the
// three-digit event code, then the qualifier digit), ": " and the event's text. The panel gives
// and takes an event the other way round: qualifier first, then the code ("1130" for the item
// "1301: Проникновение").

// The item whose whole text is the one the table gives for the event at the start of value;
// -1 (no item chosen) when there is none.
int EventItemIndex(const QComboBox& combo, const QString& value);

// The chosen item's event in the panel's order; empty when the item's text is too short to hold
// one (nothing chosen).
QString ChosenEvent(const QComboBox& combo);
