#include "CDvWriter2.h"

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
    const char* error = CPersistObject::Validate(true);
    if (error && *error) return error;
    return m_file.Validate(true);
}
