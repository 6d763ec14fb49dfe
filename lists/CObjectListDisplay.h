#pragma once
// The row display of the list controls: an object's notice 1 (it changed) redraws its row.
#include "CObjectControlDisplay.h"

class CObjectListDisplay : public CObjectControlDisplay {
public:
    explicit CObjectListDisplay(CObjectDisplay* parent = nullptr) : CObjectControlDisplay(parent) {}
    CObjectListDisplay(const CObjectListDisplay& other) = default;
    CObjectListDisplay& operator=(const CObjectListDisplay& other) = default;

    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
};
