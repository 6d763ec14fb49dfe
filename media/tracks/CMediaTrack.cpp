#include "CMediaTrack.h"

#include "CPersistStorage.h"

MV_IMPLEMENT_PERSIST_CLASS(CMediaTrack, CPersistObject, FourCharCode("mtrk"))

namespace {
const char* const kSubtypeTag = "subtype";
const char* const kFourccTag = "fourcc";
const char* const kUncompressedTag = "uncompressed";
const char* const kDecoderTag = "decoder";
const char* const kDecoder2Tag = "decoder 2";
}

void CMediaTrack::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save(kSubtypeTag, m_subtype);
    storage.Save(kFourccTag, m_fourcc);
    storage.Save(kUncompressedTag, m_uncompressed);
    storage.Save(kDecoderTag, m_decoder);
    storage.Save(kDecoder2Tag, m_decoder2);
}

void CMediaTrack::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    storage.Load(kSubtypeTag, m_subtype);
    storage.Load(kFourccTag, m_fourcc);
    storage.Load(kUncompressedTag, m_uncompressed);
    storage.Load(kDecoderTag, m_decoder);
    storage.Load(kDecoder2Tag, m_decoder2);
}

CString CMediaTrack::GetSummary() { return CString(); }

MV_IMPLEMENT_PLAIN_PROPERTY(CMediaTrack, Subtype, const GUID&, GUID, m_subtype, kSubtypeChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CMediaTrack, Fourcc, ULONG, ULONG, m_fourcc, kFourccChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CMediaTrack, Uncompressed, bool, bool, m_uncompressed, kUncompressedChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CMediaTrack, Decoder, const GUID&, GUID, m_decoder, kDecoderChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CMediaTrack, Decoder2, const GUID&, GUID, m_decoder2, kDecoder2ChangedNotice)
