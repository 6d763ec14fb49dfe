#pragma once
// The ".prx" text of a profile: a profile element with its stream configurations, each
// with its media type (the format block in hexadecimal) and its vault's properties.
#include "wmf/WmProfile.h"

#include <string>

std::u16string WriteProfileText(const SWmProfile& profile);
// Reads what the text holds: a stream that is damaged or repeats a number is left out.
// Fails (NS_E_INVALID_PROFILE) when no profile element can be read at all.
HRESULT ReadProfileText(const std::u16string& text, SWmProfile& profile);

// The longest text read, in characters.
inline constexpr size_t kMaxProfileText = 1024 * 1024;
