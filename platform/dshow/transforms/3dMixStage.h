#pragma once
// "3D Mix": each picture of "Input 1" (the left camera) is mixed with the latest picture of
// "Input 2" (the right camera) into a red/cyan style anaglyph of input 1's type. Until the
// right camera has delivered, the left pictures pass unchanged; the stream ends with input 1's.
#include "dshow/interfaces/3dMixSettings.h"
#include "dshow/transforms/VideoScaling.h"
#include "dshow/transforms/VideoStageFilter.h"

#include <vector>

class C3dMixStage : public CVideoStageFilter, public I3dMixSettings {
public:
    static HRESULT Create(REFIID iid, void** object);
    C3dMixStage();
    MV_FILTER_UNKNOWN
    HRESULT SetMode(LONG mode) override;
    HRESULT SetAnaglyphColor(LONG color) override;
    HRESULT SetAnaglyphFilter(LONG filter) override;

    HRESULT CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type) override;
    HRESULT Receive(CBasePin* pin, const MediaSample& sample) override;
    HRESULT EndOfStream(CBasePin* pin) override;

protected:
    void* FindInterface(REFIID iid) override;
    HRESULT OnStop() override;
    HRESULT Picture(const MediaSample& sample) override;

private:
    CBasePin* Right() const { return PinAt(2); }

    std::atomic<LONG> m_mode{0};
    std::atomic<LONG> m_color{0};
    std::atomic<LONG> m_filter{0};
    // The right camera delivers from its own thread.
    std::mutex m_rightLock;
    std::vector<BYTE> m_right;
    VideoPicture m_rightPicture;
    std::vector<BYTE> m_mixed;
};
