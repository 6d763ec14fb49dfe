#pragma once
// GUIDs in their text form "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
#include "com/Unknown.h"

#include <string>

#define CO_E_CLASSSTRING static_cast<HRESULT>(0x800401F3)

// Writes the text form and its NUL; returns the characters written (39), or 0 when
// the buffer is too small.
int StringFromGUID2(REFGUID guid, LPOLESTR text, int capacity);
// S_OK, or CO_E_CLASSSTRING (and GUID_NULL) for anything but the exact text form.
HRESULT CLSIDFromString(LPCOLESTR text, CLSID* guid);
HRESULT IIDFromString(LPCOLESTR text, IID* guid);

std::string GuidToText(REFGUID guid);
bool GuidFromText(const char* text, GUID* guid);
