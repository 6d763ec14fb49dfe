#pragma once
// The profiles this runtime ships, one table for every profile version.
#include "wmf/WmProfile.h"

// How many system profiles a version has, and each one built as a profile.
DWORD WmSystemProfileCount(WMT_VERSION version);
bool WmSystemProfile(WMT_VERSION version, DWORD index, SWmProfile& profile);
bool IsWmVersion(DWORD version);
