#pragma once
// One tag's row: a new name or value redraws it.
#include "CObjectListDisplay.h"

class CTagListDisplay : public CObjectListDisplay {
public:
    explicit CTagListDisplay(CObjectDisplay* parent) : CObjectListDisplay(parent) {}

    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
};
