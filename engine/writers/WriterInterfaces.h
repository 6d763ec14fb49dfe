#pragma once
// Private interfaces of the writer filters that their wrappers fill before connection.
#include "ConstGuid.h"
#include "com/Unknown.h"
#include "dshow/images/ImageInterfaces.h"

// ff writers: the codecs of the two streams, by codec id of the format table.
struct IffWriterCodecs : IUnknown {
    static constexpr IID kIid = ConstGuid("33831C0A-B7AD-4ADC-9430-EA8EFADB00DF");
    using Base = IUnknown;
    virtual HRESULT SetVideoCodec(LONG codecId) = 0;
    virtual HRESULT SetAudioCodec(LONG codecId) = 0;
};

// ff writers: the bitrates of the two streams, bits per second.
struct IffWriterBitrates : IUnknown {
    static constexpr IID kIid = ConstGuid("F7F6B5CC-D5E5-48A2-8E29-105C3E716001");
    using Base = IUnknown;
    virtual HRESULT SetVideoBitrate(LONG bitrate) = 0;
    virtual HRESULT SetAudioBitrate(LONG bitrate) = 0;
};
