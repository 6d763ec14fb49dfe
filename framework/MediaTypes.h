#pragma once
// Type ids shared with the media layers: the output container type and the still-image format.
#include <cstdint>

using ESplitterType = int32_t;
using EImageType = int32_t;
