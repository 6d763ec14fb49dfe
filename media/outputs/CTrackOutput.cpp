#include "CTrackOutput.h"

#include "CPersistStorage.h"
#include "UPersistUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CTrackOutput, CPersistObject, FourCharCode("tkop"))

namespace {
const char* const kRemuxTag = "remux";
const char* const kEncoderTag = "encoder";
const char* const kEncoderControlTag = "encoder control";
const char* const kBitrateTag = "bitrate";
const char* const kQualityTag = "quality";
const char* const kComplexityTag = "complexity";
const char* const kRegulateTimecodeTag = "regulate timecode";
}

void CTrackOutput::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save(kRemuxTag, m_remux);
    storage.Save(kEncoderTag, static_cast<const char*>(m_displayName));
    storage.Save(kEncoderControlTag, m_encoderControl);
    storage.Save(kBitrateTag, m_bitrate);
    storage.Save(kQualityTag, m_quality);
    storage.Save(kComplexityTag, m_complexity);
    storage.Save(kRegulateTimecodeTag, m_regulateTimecode);
}

void CTrackOutput::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    storage.Load(kRemuxTag, m_remux);
    UPersistUtils::Load(storage, kEncoderTag, m_displayName);
    storage.Load(kEncoderControlTag, m_encoderControl);
    storage.Load(kBitrateTag, m_bitrate);
    storage.Load(kQualityTag, m_quality);
    storage.Load(kComplexityTag, m_complexity);
    storage.Load(kRegulateTimecodeTag, m_regulateTimecode);
}

unsigned char CTrackOutput::ValidateQuality(unsigned char quality) { return quality > 100 ? 100 : quality; }
MV_IMPLEMENT_NO_SIDE_EFFECT(CTrackOutput, Quality)
MV_IMPLEMENT_PROPERTY_SETTER(CTrackOutput, Quality, unsigned char, m_quality, kQualityChangedNotice)

MV_IMPLEMENT_PLAIN_PROPERTY(CTrackOutput, Remux, bool, bool, m_remux, kRemuxChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CTrackOutput, DisplayName, const char*, CString, m_displayName,
                            kDisplayNameChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CTrackOutput, EncoderControl, EEncoderControl, EEncoderControl, m_encoderControl,
                            kEncoderControlChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CTrackOutput, Bitrate, ULONG, ULONG, m_bitrate, kBitrateChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CTrackOutput, Complexity, EEncodingComplexity, EEncodingComplexity, m_complexity,
                            kComplexityChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CTrackOutput, RegulateTimecode, bool, bool, m_regulateTimecode,
                            kRegulateTimecodeChangedNotice)
