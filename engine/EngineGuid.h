#pragma once
// Class ids written in their text form in the engine's tables.
#include "win32/WinTypes.h"

// The GUID of "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}"; GUID_NULL for any other text.
GUID EngineGuid(const char* text);
