#pragma once
// Helper functions callers use over the speech interfaces.
#include "sapi/SapiTypes.h"

struct ISpObjectToken;

// The token's description: the value named by the user's interface language in
// hexadecimal, else the default value. Task memory (CoTaskMemFree).
HRESULT SpGetDescription(ISpObjectToken* token, LPWSTR* description);
// Opens the category (creating it when missing), takes its default token and lets it
// create its object.
HRESULT SpCreateDefaultObjectFromCategoryId(LPCWSTR categoryId, REFIID iid, void** object);
// Frees an event's parameter by its type and zeroes the record.
void SpClearEvent(SPEVENT* event);
// The user's interface language id; the platform answers as an English system.
WORD SpUserUILanguage();
