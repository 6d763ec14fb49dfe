#pragma once
// The version record a program of this project carries, found in its ELF section
// ".mv_version" by GetFileVersionInfo. The build adds one per program with
// mv_version_resource(<target>).
#include <cstdint>

struct MvVersionRecord {
    char magic[8]; // "MVVERS1"
    uint16_t major;
    uint16_t minor;
    uint16_t bugFix;
    uint16_t build;
};

#define MV_VERSION_RESOURCE(a, b, c, d)                     \
    extern "C" const MvVersionRecord mvVersionRecord;       \
    extern "C" __attribute__((section(".mv_version"))) const \
        MvVersionRecord mvVersionRecord = {{'M', 'V', 'V', 'E', 'R', 'S', '1', '\0'}, a, b, c, d}
