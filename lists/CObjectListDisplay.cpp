#include "CObjectListDisplay.h"

#include "SNotifyRecord.h"

bool CObjectListDisplay::Respond(long code, CBroadcaster* sender, long a, long b)
{
    if (code == kObjectChangedNotice) {
        DisplayChanged(this);
        return true;
    }
    return CObjectControlDisplay::Respond(code, sender, a, b);
}
