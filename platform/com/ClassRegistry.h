#pragma once
// The process-wide table of creatable classes. Components register their classes
// when their library loads; tests may put a stand-in in place of a class.
#include "com/Unknown.h"

using ComClassFactory = HRESULT (*)(REFIID iid, void** object);

// Registers (or with a null factory removes) a class; returns the factory it
// replaced, or null.
ComClassFactory ComRegisterClass(REFCLSID clsid, ComClassFactory factory);
ComClassFactory ComFindClass(REFCLSID clsid);
