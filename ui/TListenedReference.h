#pragma once
// Points a listener's reference at another broadcaster, moving its listening along.
#include "CBroadcaster.h"
#include "CListener.h"

// False when the reference already points there.
template <class T>
bool RetargetListenedReference(CListener& listener, T*& reference, T* target)
{
    if (reference == target) return false;
    if (reference) static_cast<CBroadcaster*>(reference)->RemoveListener(&listener);
    reference = target;
    if (target) static_cast<CBroadcaster*>(target)->AddListener(&listener);
    return true;
}

// Forgets a reference whose broadcaster is being destroyed.
template <class T>
void ForgetDyingReference(T*& reference, const void* dying)
{
    if (reference && static_cast<const CBroadcaster*>(reference) == dying) reference = nullptr;
}
