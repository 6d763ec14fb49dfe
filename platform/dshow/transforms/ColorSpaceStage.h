#pragma once
// "Color Space Converter": hands pictures of any uncompressed format on as RGB32 or
// RGB24, whichever its output is connected with (an RGB input's own first).
#include "dshow/transforms/VideoStageFilter.h"

class CColorSpaceStage : public CVideoStageFilter {
public:
    static HRESULT Create(REFIID iid, void** object);
    CColorSpaceStage();

protected:
    HRESULT OutputType(const VIDEOINFOHEADER& input, int index, CMediaType& type) override;
    HRESULT Picture(const MediaSample& sample) override;
};
