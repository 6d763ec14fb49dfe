#pragma once
// "DV Video Encoder": encodes RGB pictures ("Video In", RGB32 or RGB24) into DV video
// ("Video Out", whole frames of the 525- or 625-line system). The input's frame rate
// chooses the system unless the system was set through IDVEnc; pictures of another size
// are scaled to the system's, and a picture of the other system's size is refused.
#include "dshow/encoders/VideoEncoderFilter.h"
#include "dshow/interfaces/DvEncoderInterfaces.h"

struct DvSystem;

class CDvVideoEncoder : public CVideoStreamEncoder, public IDVEnc {
public:
    static HRESULT Create(REFIID iid, void** object);
    CDvVideoEncoder();
    MV_FILTER_UNKNOWN

    HRESULT get_IFormatResolution(int* videoFormat, int* dvFormat, int* resolution, BYTE dialog,
                                  void* info) override;
    HRESULT put_IFormatResolution(int videoFormat, int dvFormat, int resolution, BYTE dialog, void* info) override;

    HRESULT CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type) override;
    HRESULT GetMediaType(CBasePin* pin, int index, CMediaType& type) override;
    HRESULT CompleteConnect(CBasePin* pin, IPin* peer) override;
    void BreakConnect(CBasePin* pin) override;

protected:
    void* FindInterface(REFIID iid) override;
    HRESULT OpenEncoding(const VIDEOINFOHEADER& input) override;

private:
    // The system an input type is encoded in; null when it is refused.
    const DvSystem* SystemFor(const AM_MEDIA_TYPE& type) const;

    const DvSystem* m_chosen = nullptr; // set through IDVEnc
    const DvSystem* m_system = nullptr; // of the connected input
};
