#include "firmware/EmbeddedFirmware.h"

#include "base/Cp1251.h"

QString EmbeddedFirmwareText() {
    return fromCp1251(EmbeddedFirmwareBytes());
}
