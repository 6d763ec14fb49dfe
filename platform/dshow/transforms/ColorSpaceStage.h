#pragma once
// "Color Space Converter": hands pictures on as RGB32 or RGB24, whichever its output is
// connected with (the input's own first).
#include "dshow/transforms/VideoStageFilter.h"

#include <vector>

class CColorSpaceStage : public CVideoStageFilter {
public:
    static HRESULT Create(REFIID iid, void** object);
    CColorSpaceStage();

protected:
    HRESULT OutputType(const VIDEOINFOHEADER& input, int index, CMediaType& type) override;
    HRESULT Picture(const MediaSample& sample) override;

private:
    std::vector<BYTE> m_picture;
};
