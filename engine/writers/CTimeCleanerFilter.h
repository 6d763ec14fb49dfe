#pragma once
// Mends sample times that carry no start or stop.
#include "CTransformerFilter.h"

class CTimeCleanerFilter : public CTransformerFilter {
public:
    explicit CTimeCleanerFilter(CDirectShowGraph* graph = nullptr, const char* name = "Time Cleaner");
};
