#pragma once
// Scales 24- and 32-bit RGB into 16-bit RGB.
#include "CPixelToRgb16VideoScaler.h"

class CRgbtoRgb16VideoScaler : public CPixelToRgb16VideoScaler {
protected:
    void ScaleWords(bool rgb565, bool grey) override;
};
