#pragma once
// The mixer of one input line of an audio capture filter, offered by the line's input pin.
#include "dshow/capture/CaptureInterfaces.h"

#include <atomic>
#include <functional>

class CBasePin;

class CAudioInputLine : public IAMAudioInputMixer {
public:
    // The device applies a change (true) or refuses it (false).
    using Apply = std::function<bool(bool enabled, double level)>;
    CAudioInputLine(CBasePin* pin, bool enabled, double level, Apply apply);

    HRESULT QueryInterface(REFIID iid, void** object) override;
    ULONG AddRef() override;
    ULONG Release() override;

    HRESULT put_Enable(BOOL enable) override;
    HRESULT get_Enable(BOOL* enable) override;
    HRESULT put_MixLevel(double level) override;
    HRESULT get_MixLevel(double* level) override;

    CBasePin* Pin() const { return m_pin; }
    bool Enabled() const { return m_enabled; }
    double Level() const { return m_level; }

private:
    CBasePin* const m_pin; // the line's pin, which owns its lifetime through the filter
    std::atomic<bool> m_enabled;
    std::atomic<double> m_level;
    const Apply m_apply;
};
