#pragma once
// Scales 24- and 32-bit RGB into 24- and 32-bit RGB and the channel subsets.
#include "CRgbOutputVideoScaler.h"

class CRgbVideoScaler : public CRgbOutputVideoScaler {
protected:
    void ScaleChannels(int channels, bool grey) override;
};
