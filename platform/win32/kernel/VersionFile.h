#pragma once
// Finds the version record in an ELF file's bytes (for the layer's own sources and its fuzz target).
#include <cstddef>
#include <cstdint>

struct MvVersionRecord;

// True when the bytes are an ELF file with a well-formed ".mv_version" section.
bool MvFindVersionRecord(const uint8_t* bytes, size_t size, MvVersionRecord* record);
