#pragma once
// Scales 16-bit RGB into 24- and 32-bit RGB and the channel subsets.
#include "CRgbOutputVideoScaler.h"

class CRgb16toRgbVideoScaler : public CRgbOutputVideoScaler {
protected:
    void ScaleChannels(int channels, bool grey) override;
};
