#include "CMediaBatch2.h"

#include "UValidateUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CMediaBatch2, CPersistObject, FourCharCode("meb2"))

namespace {
const char* const kOutputTag = "output";
const char* const kLocationTag = "location";
}

void CMediaBatch2::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    m_output.Save(kOutputTag, storage);
    m_location.Save(kLocationTag, storage);
}

void CMediaBatch2::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    m_output.Load(kOutputTag, storage);
    m_location.Load(kLocationTag, storage);
}

const char* CMediaBatch2::Validate()
{
    return UValidateUtils::SelfThenPart(*this, m_location);
}
