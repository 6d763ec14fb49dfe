#pragma once
// The system's DV splitter, by which DV sets and bridges split a camcorder's stream.
#include "ConstGuid.h"

inline constexpr CLSID CLSID_DvSplitter = ConstGuid("4EB31670-9FC6-11CF-AF6E-00AA00B67A42");
