#include "CMediaPlatformListDisplay.h"

#include "CTargetPlatform.h"

bool CMediaPlatformListDisplay::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case CNamedObject::kNameChangedNotice:
    case CTargetPlatform::kCanSyncChangedNotice:
    case CTargetPlatform::kActiveChangedNotice:
        DisplayChanged(this);
        return true;
    default: return CObjectListDisplay::Respond(code, sender, a, b);
    }
}
