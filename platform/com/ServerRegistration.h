#pragma once
// Registers the classes of a component library file, as the system's server registration
// tool does, in this process: the library is loaded (its classes register themselves as it
// loads) and its "DllRegisterServer" export, when it has one, is called. A library that
// registered stays loaded, since its classes are created from it.
#include "com/Unknown.h"

HRESULT ComRegisterServer(const char* path);
