#pragma once
// The version record a program of this project carries, found in its ELF section
// ".mv_version" by GetFileVersionInfo. The build adds one per program with
// mv_version_resource(<target>), which also gives the target the version as MV_VERSION_MAJOR,
// MV_VERSION_MINOR, MV_VERSION_BUGFIX and MV_VERSION_BUILD.
#include <cstdint>

struct MvVersionRecord {
    char magic[8]; // "MVVERS1"
    uint16_t major;
    uint16_t minor;
    uint16_t bugFix;
    uint16_t build;
};

// Each library and program keeps its own record: found by section, never by name, so one
// of internal linkage per file keeps them from clashing when they are loaded together.
#define MV_VERSION_RESOURCE(a, b, c, d)                                         \
    [[gnu::used, gnu::section(".mv_version")]] static const MvVersionRecord \
        mvVersionRecord = {{'M', 'V', 'V', 'E', 'R', 'S', '1', '\0'}, a, b, c, d}
