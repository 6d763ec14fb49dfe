#pragma once
// A value read from a fixed path under the machine's root; writes through it do nothing.
#include "CRegistry.h"

class CHwRegistry : public CRegistry {
public:
    // The section is the whole key path below the machine's root.
    CHwRegistry(const char* sectionPath, const char* key) : CRegistry(sectionPath, key) {}
    CHwRegistry(const CHwRegistry&) = default;
    CHwRegistry& operator=(const CHwRegistry&) = default;

    HKEY GetSectionKey() override;
};
