#pragma once
// The output set that only terminates pins, each in an untimed renderer; its pin walk is
// the one every derived set uses.
#include "COutputFilters2.h"

#include <vector>

class CFilterPin;
class CUntimedRenderer;

class CNilOutputFilters2 : public COutputFilters2 {
public:
    explicit CNilOutputFilters2(CDirectShowGraph* graph = nullptr);
    ~CNilOutputFilters2() override;

    bool Connect(CInputFilters2* input) override;
    void Disconnect() override;
    virtual bool ConnectVideoPin(CFilterPin* pin, int index);
    virtual bool ConnectAudioPin(CFilterPin* pin, int index);
    virtual bool ConnectSubtitlePin(CFilterPin* pin, int index);
    virtual bool ConnectStreamPin(CFilterPin* pin, int index);
    virtual bool ConnectNilRenderer(CFilterPin* pin);

    int GetNilRendererCount() const { return static_cast<int>(m_renderers.size()); }

protected:
    std::vector<CUntimedRenderer*> m_renderers;
};
