#pragma once
// Previews two cameras mixed while recording each unmixed: each camera goes through a tee
// of its own; the previews are mixed for the screen, the captures are processing pins 0 and 1.
#include "C3dMixBridge.h"

class C3dPreviewBridge : public C3dMixBridge {
public:
    explicit C3dPreviewBridge(CDirectShowGraph* graph = nullptr);
    ~C3dPreviewBridge() override;

    bool Connect() override;
    int GetVideoPinCount(EOutputType type) override;
    CFilterPin* GetVideoPin(EOutputType type, int index) override;

protected:
    std::vector<CDirectShowFilter*> Filters() override;
    // The mix and the captures after the two tees are fed.
    bool ConnectTees();

    std::unique_ptr<CSmartTeeFilter> m_tee2;
};
