#pragma once
// Scales 24- and 32-bit RGB into the YUV formats and the luma outputs.
#include "CPixelChromaMapVideoScaler.h"
#include "TYuvOutputVideoScaler.h"

class CRgbtoYuvVideoScaler : public TYuvOutputVideoScaler<CPixelChromaMapVideoScaler, false> {
protected:
    void ScaleLayout(EYuvLayout layout, bool grey) override;
};
