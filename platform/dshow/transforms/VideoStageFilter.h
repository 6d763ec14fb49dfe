#pragma once
// A video stage with one "Video In" and one "Video Out" pin. Its input takes every
// uncompressed format (see PictureFormat.h). A stage that works on the pixels gets RGB
// pictures (RGB32 or RGB24 as connected; a YUV input is turned into RGB32 once, on the
// way in) and makes RGB ones; a stage that only passes pictures on keeps their format,
// converting once where its output is connected with another. The derived stage says
// which output type it makes for the input and handles each picture.
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
    HRESULT CompleteConnect(CBasePin* pin, IPin* peer) override;
    void BreakConnect(CBasePin* pin) override;

protected:
    HRESULT OnPause() override;
    // The output types for this input, the preferred first (S_FALSE past the last): the
    // input's own, then RGB32 for a stage that takes any picture and gets a YUV one.
    virtual HRESULT OutputType(const VIDEOINFOHEADER& input, int index, CMediaType& type);
    // One picture of the input type (as InputInfo describes it) on its way.
    virtual HRESULT Picture(const MediaSample& sample) = 0;
    // The stream ends: hand on what is held.
    virtual HRESULT Drain() { return S_OK; }
    // A new stream starts (the graph leaves the stopped state).
    virtual void OnStreamStart() {}

    // For stages that never look into a picture; call in the constructor.
    void TakeAnyPicture() { m_anyPicture = true; }
    // Hands a picture of the input type on, converted when the output's type is another.
    HRESULT Pass(const MediaSample& sample);
    // The input's pictures as the stage gets them.
    const VIDEOINFOHEADER* InputInfo() const;
    const VIDEOINFOHEADER* OutputInfo() const;
    CBasePin* Input() const { return PinAt(0); }
    CBasePin* Output() const { return PinAt(1); }

    std::mutex m_streamLock;

private:
    HRESULT Deliver(const MediaSample& sample);
    // The picture converted from the connected type `from` to `to` into m_converted.
    HRESULT Convert(const VIDEOINFOHEADER& from, const VIDEOINFOHEADER& to, const MediaSample& sample,
                    MediaSample& converted);

    bool m_anyPicture = false;
    CMediaType m_rgbInput; // a YUV input as RGB32, for a stage that works on the pixels
    std::unique_ptr<CPictureConverter> m_converter;
    std::vector<BYTE> m_converted;
};
