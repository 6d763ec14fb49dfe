#pragma once
// A platform's row: redrawn when the platform's name, sync or active flag changes.
#include "CObjectListDisplay.h"

class CMediaPlatformListDisplay : public CObjectListDisplay {
public:
    explicit CMediaPlatformListDisplay(CObjectDisplay* parent = nullptr) : CObjectListDisplay(parent) {}

    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
};
