#pragma once
// "Pulse Regulator": hands pictures on at a fixed frame rate. By their times, a picture
// is repeated for every frame time it covers and dropped when it covers none; with
// retiming on, every picture takes the next frame time as it comes. A rate of 0 keeps
// the input's.
#include "dshow/interfaces/EncoderSetInterfaces.h"
#include "dshow/transforms/VideoStageFilter.h"

#include <vector>

class CPulseRegulatorStage : public CVideoStageFilter, public IPulseRegulatorSettings {
public:
    static HRESULT Create(REFIID iid, void** object);
    CPulseRegulatorStage();
    MV_FILTER_UNKNOWN
    HRESULT SetFrameRate(double rate) override;
    HRESULT SetRetime(BYTE on) override;

protected:
    void* FindInterface(REFIID iid) override;
    HRESULT OutputType(const VIDEOINFOHEADER& input, int index, CMediaType& type) override;
    HRESULT Picture(const MediaSample& sample) override;
    HRESULT Drain() override;
    void OnStreamStart() override;

private:
    REFERENCE_TIME FrameTime(const VIDEOINFOHEADER& input) const;
    // Sends the held picture for every frame time before `until`.
    HRESULT SendHeldUntil(REFERENCE_TIME until);

    double m_rate = 0;
    bool m_retime = false;
    REFERENCE_TIME m_frame = 0;
    int64_t m_next = 0; // number of the next frame handed on
    std::vector<BYTE> m_held;
    REFERENCE_TIME m_heldStop = 0;
};
