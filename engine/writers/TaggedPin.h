#pragma once
// A new pin wrapper found by a name tag; without a tag, the first free pin of its direction.
#include "CFilterPin.h"

inline CFilterPin* MakeTaggedPin(CDirectShowFilter* filter, const char* tag, bool input, bool dynamic = false)
{
    auto* pin = new CFilterPin(filter, tag ? tag : "", input);
    if (tag && *tag) pin->SearchTag(tag, true);
    pin->MakeDynamic(dynamic);
    return pin;
}
