#pragma once

#include <QByteArray>

// The firmware image the program carries for the automatic update, given when the program is
// configured (the FIRMWARE_HEX option; see the README). Its text: line 0 the version title in
// the panel's own form ("VER 01.004.014"), then the image's Intel HEX records. A program
// configured without one carries none, and nothing is offered.
QByteArray EmbeddedFirmwareBytes(); // generated at configure time
