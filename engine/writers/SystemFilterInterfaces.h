#pragma once
// Interfaces of the system's own filters that the engine's setters fill: the DV encoder's
// format (declared with the platform's encoder) and the MPEG audio decoder's channel mode.
#include "ConstGuid.h"
#include "dshow/interfaces/DvEncoderInterfaces.h"
#include "com/Unknown.h"

struct IMpegAudioDecoder : IUnknown {
    static constexpr IID kIid = ConstGuid("B45DD570-3C77-11D1-ABE1-00A0C905F375");
    using Base = IUnknown;
    virtual HRESULT get_FrequencyDivider(unsigned long* divider) = 0;
    virtual HRESULT put_FrequencyDivider(unsigned long divider) = 0;
    virtual HRESULT get_DecoderAccuracy(unsigned long* accuracy) = 0;
    virtual HRESULT put_DecoderAccuracy(unsigned long accuracy) = 0;
    virtual HRESULT get_Stereo(unsigned long* stereo) = 0;
    virtual HRESULT put_Stereo(unsigned long stereo) = 0;
    virtual HRESULT get_DecoderWordSize(unsigned long* size) = 0;
    virtual HRESULT put_DecoderWordSize(unsigned long size) = 0;
    virtual HRESULT get_IntegerDecode(unsigned long* integer) = 0;
    virtual HRESULT put_IntegerDecode(unsigned long integer) = 0;
    virtual HRESULT get_DualMode(unsigned long* mode) = 0;
    virtual HRESULT put_DualMode(unsigned long mode) = 0;
};
