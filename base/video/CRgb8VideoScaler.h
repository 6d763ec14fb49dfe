#pragma once
// The place for 8-bit palettised output; no scaler is built for it.
#include "CVideoScaler.h"

class CRgb8VideoScaler : public CVideoScaler {
};
