#pragma once
// "Image Upload": hands pictures on unchanged and shows each to the sink it was given, and
// encodes a picture as an image file for whoever uploads it.
#include "dshow/images/ImageInterfaces.h"
#include "dshow/transforms/VideoStageFilter.h"

class CImageUploadStage : public CVideoStageFilter, public IImageUploadFrames {
public:
    static HRESULT Create(REFIID iid, void** object);
    CImageUploadStage();
    MV_FILTER_UNKNOWN

    HRESULT SetFrameSink(IImageFrameSink* sink) override;
    HRESULT EncodeFrame(const BYTE* data, LONG size, LONG bits, bool topDown, LONG width, LONG height, LONG kind,
                        LONG quality, LONG targetWidth, LONG targetHeight, ImageBytesWriter write,
                        void* context) override;

protected:
    void* FindInterface(REFIID iid) override;
    HRESULT Picture(const MediaSample& sample) override;

private:
    std::mutex m_sinkLock; // held while a picture is with the sink
    IImageFrameSink* m_sink = nullptr;
};
