#pragma once
// Calls a step with one interface of a filter when the filter offers it, releasing the
// interface afterwards; a filter without it skips the step.
#include "com/Unknown.h"

template <class I, class Object, class Step>
void WithInterface(Object* object, Step&& step)
{
    I* found = nullptr;
    if (!object || FAILED(QueryInterfaceTo(object, &found)) || !found) return;
    step(found);
    found->Release();
}
