#pragma once
// Mixes two cameras into one stereoscopic picture and splits it by a smart tee: preview to
// the screen, capture to the recording. The input's render video is only terminated.
#include "CBridgeFilters.h"
#include "win32/WinTypes.h"

#include <memory>

class C3dMixFilter;
class CSmartTeeFilter;

class C3dMixBridge : public CBridgeFilters {
public:
    explicit C3dMixBridge(CDirectShowGraph* graph = nullptr);
    ~C3dMixBridge() override;

    bool VerifyInput() override;
    bool Connect() override;
    int GetVideoPinCount(EOutputType type) override;
    CFilterPin* GetVideoPin(EOutputType type, int index) override;

    // Passed to the running mix; nothing happens before it exists.
    void SetAnaglyphColor(LONG color);
    void SetAnaglyphFilter(LONG filter);
    C3dMixFilter* GetMix() const { return m_mix.get(); }

protected:
    std::vector<CDirectShowFilter*> Filters() override;

    std::unique_ptr<CSmartTeeFilter> m_tee;
    std::unique_ptr<C3dMixFilter> m_mix;
};
