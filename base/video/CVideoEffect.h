#pragma once
// Base of the in-place frame effects: initialised once, then applied to the caller's frame.
#include "CVideoProcessor.h"

class CVideoScaler;

class CVideoEffect : public CVideoProcessor {
public:
    virtual void ResetFlags() { m_initialized = false; }
    // Lets the effect set up a scaler that draws the effect's frames.
    virtual void SetupVideoScaler(CVideoScaler* /*scaler*/) {}
    virtual void InitializeSelf() {}
    virtual void ApplySelf() {}

    void Apply();
    void Initialize();

protected:
    bool m_initialized = false;
};
