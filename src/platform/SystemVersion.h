#pragma once

// The Windows release that the kit's version checks compare with: the platform family (1 the
// Windows 9x family, 2 the NT family) and the version numbers. Linux is no Windows; it answers
// as a current NT-family desktop (10.0), so the kit takes its paths for current systems.
struct TOSVersionInfo {
    int PlatformId;
    int MajorVersion;
    int MinorVersion;
};

TOSVersionInfo RunningSystemVersion();
