#pragma once
// One track of a media file as the engine found it: its media subtype, four-character
// code, whether it is uncompressed, and the class ids of its decoders.
#include "CPersistObject.h"
#include "MvMediaProperty.h"

class CMediaTrack : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CMediaTrack)
public:
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    MV_DECLARE_PROPERTY(Subtype, const GUID&, GUID)
    MV_DECLARE_PROPERTY(Fourcc, ULONG, ULONG)
    MV_DECLARE_PROPERTY(Uncompressed, bool, bool)
    MV_DECLARE_PROPERTY(Decoder, const GUID&, GUID)
    MV_DECLARE_PROPERTY(Decoder2, const GUID&, GUID)
    // A short description of the track's format.
    virtual CString GetSummary();

    const GUID& GetSubtype() const { return m_subtype; }
    ULONG GetFourcc() const { return m_fourcc; }
    bool GetUncompressed() const { return m_uncompressed; }
    const GUID& GetDecoder() const { return m_decoder; }
    const GUID& GetDecoder2() const { return m_decoder2; }
    bool IsDecoded() const { return m_uncompressed || m_decoder != GUID_NULL; }

    static constexpr LONG kSubtypeChangedNotice = FourCharCode("mtrl");
    static constexpr LONG kFourccChangedNotice = FourCharCode("mtrm");
    static constexpr LONG kUncompressedChangedNotice = FourCharCode("mtrn");
    static constexpr LONG kDecoderChangedNotice = FourCharCode("mtro");
    static constexpr LONG kDecoder2ChangedNotice = FourCharCode("mtrp");

private:
    GUID m_subtype = GUID_NULL;
    ULONG m_fourcc = 0;
    bool m_uncompressed = false;
    GUID m_decoder = GUID_NULL;
    GUID m_decoder2 = GUID_NULL;
};
