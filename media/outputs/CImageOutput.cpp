#include "CImageOutput.h"

#include "CPersistStorage.h"

MV_IMPLEMENT_PERSIST_CLASS(CImageOutput, CPersistObject, FourCharCode("imou"))

namespace {
const char* const kTypeTag = "type";
const char* const kQualityTag = "quality";
}

void CImageOutput::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save(kTypeTag, m_type);
    storage.Save(kQualityTag, m_quality);
}

void CImageOutput::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    storage.Load(kTypeTag, m_type);
    storage.Load(kQualityTag, m_quality);
    if (m_type == 1) {
        m_type = kDefaultImageType;
        m_quality = kDefaultQuality;
    }
}

unsigned char CImageOutput::ValidateQuality(unsigned char quality) { return quality <= 100 ? quality : m_quality; }
MV_IMPLEMENT_NO_SIDE_EFFECT(CImageOutput, Quality)
MV_IMPLEMENT_PROPERTY_SETTER(CImageOutput, Quality, unsigned char, m_quality, kQualityChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CImageOutput, Type, EImageType, EImageType, m_type, kTypeChangedNotice)
