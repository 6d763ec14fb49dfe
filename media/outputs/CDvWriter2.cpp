#include "CDvWriter2.h"

#include "UValidateUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CDvWriter2, CPersistObject, FourCharCode("dvwr"))

namespace {
const char* const kOutputTag = "output";
const char* const kFileTag = "file";
}

void CDvWriter2::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    m_output.Save(kOutputTag, storage);
    m_file.Save(kFileTag, storage);
}

void CDvWriter2::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    m_output.Load(kOutputTag, storage);
    m_file.Load(kFileTag, storage);
}

const char* CDvWriter2::Validate()
{
    return UValidateUtils::SelfThenPart(*this, m_file);
}
