#include "CTagListDisplay.h"

#include "CNamedValue.h"

bool CTagListDisplay::Respond(long code, CBroadcaster* sender, long a, long b)
{
    if (code == CNamedObject::kNameChangedNotice || code == CNamedValue::kValueChangedNotice) {
        DisplayChanged(this);
        return true;
    }
    return CObjectListDisplay::Respond(code, sender, a, b);
}
