#pragma once
// Scales palettised 8-bit frames into 24- and 32-bit RGB and the channel subsets.
#include "CRgbOutputVideoScaler.h"

class CRgb8toRgbVideoScaler : public CRgbOutputVideoScaler {
public:
    void SetPalette(BYTE r, BYTE g, BYTE b, BYTE index) override;

protected:
    void ScaleChannels(int channels, bool grey) override;

private:
    BYTE m_red[256] = {};
    BYTE m_green[256] = {};
    BYTE m_blue[256] = {};
    BYTE m_grey[256] = {};
};
