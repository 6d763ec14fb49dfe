#include "CObjectController2.h"

#include "CPersistObject.h"
#include "SNotifyRecord.h"
#include "UStringBuffer.h"

CObjectController2::~CObjectController2()
{
    SetObject(nullptr, false);
}

bool CObjectController2::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kBroadcasterDyingMessage) {
        // Only the bound object's death unbinds; any other broadcaster is just dropped.
        if (mObject && p == static_cast<const CBroadcaster*>(mObject))
            SetObject(nullptr, false);
        else
            CListener::ListenToMessage(message, p, q);
        return true;
    }
    bool handled = CListener::ListenToMessage(message, p, q);
    if (message == kNotifyMessage && handled)
        Broadcast(kControllerObjectChangedMessage, nullptr, nullptr);
    return handled;
}

bool CObjectController2::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case kObjectChangedNotice:
        Refresh();
        SetDefault();
        NotifyChange();
        return true;
    case kObjectInvalidNotice:
        Broadcast(kControllerInvalidMessage, nullptr, nullptr);
        return true;
    default:
        return CListener::Respond(code, sender, a, b);
    }
}

bool CObjectController2::SetObject(CPersistObject* object, bool refresh)
{
    if (object && !object->IsInstanceOf(mExpectedType))
        return false;
    SetObjectSelf(object);
    if (refresh)
        Refresh();
    if (object)
        SetDefault();
    return true;
}

void CObjectController2::SetObjectSelf(CPersistObject* object)
{
    if (object == mObject)
        return;
    if (mObject)
        mObject->RemoveListener(this);
    mObject = object;
    if (mObject)
        mObject->AddListener(this);
}

char* CObjectController2::GetText()
{
    return UStringBuffer::Text("");
}

bool CObjectController2::IsValid()
{
    if (!mObject)
        return false;
    const char* message = mObject->Validate(false);
    return !message || !*message;
}
