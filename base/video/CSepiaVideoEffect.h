#pragma once
// Tints a luma-only picture brown through the chroma a scaler supplies for it.
#include "CVideoEffect.h"

class CSepiaVideoEffect : public CVideoEffect {
public:
    void SetupVideoScaler(CVideoScaler* scaler) override;
};
