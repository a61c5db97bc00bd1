#include "platform/SystemVersion.h"

TOSVersionInfo RunningSystemVersion() {
    return {2, 10, 0};
}
