#include "CConversionBatch.h"

#include "UValidateUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CConversionBatch, CPersistObject, FourCharCode("cvbc"))

namespace {
const char* const kListTag = "conversion list";
const char* const kLocationTag = "location";
}

void CConversionBatch::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    m_list.Save(kListTag, storage);
    m_location.Save(kLocationTag, storage);
}

void CConversionBatch::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    m_list.Load(kListTag, storage);
    m_location.Load(kLocationTag, storage);
}

const char* CConversionBatch::Validate()
{
    return UValidateUtils::SelfThenPart(*this, m_location);
}
