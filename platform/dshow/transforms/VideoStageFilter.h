#pragma once
// A video stage with one "Video In" and one "Video Out" pin for RGB pictures (RGB32 or
// RGB24 video info types). The derived stage says which output type it makes for the
// connected input and handles each picture. A stage that only passes pictures on takes
// every uncompressed format (see PictureFormat.h) and keeps it, converting once where
// its output is connected with another.
#include "dshow/BaseFilter.h"

#include <memory>
#include <vector>

class CPictureConverter;
struct VIDEOINFOHEADER;

class CVideoStageFilter : public CBaseFilter {
public:
    // Pins "Video In" and "Video Out" unless the stage is known by other names.
    explicit CVideoStageFilter(REFCLSID clsid, const char16_t* input = u"Video In", const char16_t* output = u"Video Out");
    ~CVideoStageFilter() override;

    HRESULT CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type) override;
    HRESULT GetMediaType(CBasePin* pin, int index, CMediaType& type) override;
    HRESULT Receive(CBasePin* pin, const MediaSample& sample) override;
    HRESULT EndOfStream(CBasePin* pin) override;

protected:
    HRESULT OnPause() override;
    // The output types for this input, the preferred first (S_FALSE past the last): the
    // input's own, then RGB32 for a stage that takes any picture and gets a YUV one.
    virtual HRESULT OutputType(const VIDEOINFOHEADER& input, int index, CMediaType& type);
    // One picture of the input type on its way.
    virtual HRESULT Picture(const MediaSample& sample) = 0;
    // The stream ends: hand on what is held.
    virtual HRESULT Drain() { return S_OK; }
    // A new stream starts (the graph leaves the stopped state).
    virtual void OnStreamStart() {}

    // For stages that never look into a picture; call in the constructor.
    void TakeAnyPicture() { m_anyPicture = true; }
    // Hands a picture of the input type on, converted when the output's type is another.
    HRESULT Pass(const MediaSample& sample);
    const VIDEOINFOHEADER* InputInfo() const;
    const VIDEOINFOHEADER* OutputInfo() const;
    CBasePin* Input() const { return PinAt(0); }
    CBasePin* Output() const { return PinAt(1); }

    std::mutex m_streamLock;

private:
    const VIDEOINFOHEADER* InfoOf(const AM_MEDIA_TYPE& type) const;
    HRESULT Deliver(const MediaSample& sample);

    bool m_anyPicture = false;
    std::unique_ptr<CPictureConverter> m_converter;
    std::vector<BYTE> m_converted;
};
