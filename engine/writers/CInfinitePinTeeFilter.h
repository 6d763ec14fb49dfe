#pragma once
// The system's infinite pin tee, under the same pin names as the smart tee.
#include "CSmartTeeFilter.h"

class CInfinitePinTeeFilter : public CSmartTeeFilter {
public:
    explicit CInfinitePinTeeFilter(CDirectShowGraph* graph = nullptr, const char* name = "Tee");
};
