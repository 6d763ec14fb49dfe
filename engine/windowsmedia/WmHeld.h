#pragma once
// An owned reference to an interface of the Windows Media runtime, released when it goes.
#include "com/Unknown.h"

#include <memory>

struct SWmRelease {
    void operator()(IUnknown* p) const { p->Release(); }
};
template <class I>
using TWmHeld = std::unique_ptr<I, SWmRelease>;
