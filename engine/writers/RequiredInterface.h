#pragma once
// Creation of a filter whose wrapper cannot work without one settings interface of it:
// a filter that lacks the interface counts as not created.
#include "CDirectShowFilter.h"
#include "com/Unknown.h"
#include "dshow/DShowInterfaces.h"

template <class I>
bool CreateRequiring(CDirectShowFilter& wrapper, I*& settings)
{
    if (wrapper.GetFilter()) return true;
    if (!wrapper.CDirectShowFilter::Create()) return false;
    if (SUCCEEDED(QueryInterfaceTo(wrapper.GetFilter(), &settings)) && settings) return true;
    settings = nullptr;
    wrapper.Release();
    if (CDirectShowFilter::sPromptError) wrapper.PromptCreateError();
    return false;
}
