#pragma once
// Binds one data object to one page: listens to the object and tells the page (a
// listener of the controller) that the object changed or became invalid.
#include "CBroadcaster.h"
#include "CListener.h"
#include "win32/WinTypes.h"

class CPersistObject;

enum : long {
    kControllerObjectChangedMessage = 70983483,
    kControllerInvalidMessage = 70983484,
};

class CObjectController2 : public CListener, public CBroadcaster {
public:
    CObjectController2() = default;
    // A copy binds the same object and, like every listener copy, listens to it too.
    CObjectController2(const CObjectController2& other) = default;
    CObjectController2& operator=(const CObjectController2& other) = default;
    ~CObjectController2() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    // False, changing nothing, for an object that is not of the expected type.
    virtual bool SetObject(CPersistObject* object, bool refresh);
    virtual void SetObjectSelf(CPersistObject* object);
    // Hooks: fill defaults into the object; reflect the object into the page.
    virtual void SetDefault() {}
    virtual void Refresh() {}
    virtual char* GetText();
    virtual bool IsValid();

    CPersistObject* GetObjectA() const { return mObject; }
    LONG GetExpectedType() const { return mExpectedType; }
    void NotifyChange() { Refresh(); }

protected:
    // Set by each derived controller's constructor.
    LONG mExpectedType = 0;

private:
    CPersistObject* mObject = nullptr;
};
