#include "CMediaConversionOutputs.h"

MV_IMPLEMENT_PERSIST_CLASS(CMediaConversionOutputs, CMediaOutputList, FourCharCode("mcou"))

namespace {
const char* const kInputTag = "input";
}

CMediaConversionOutputs& CMediaConversionOutputs::operator=(const CMediaOutputList& other)
{
    CMediaOutputList::operator=(other);
    return *this;
}

void CMediaConversionOutputs::SaveSelf(const char* name, CPersistStorage& storage)
{
    CMediaOutputList::SaveSelf(name, storage);
    m_input.Save(kInputTag, storage);
}

void CMediaConversionOutputs::LoadSelf(const char* name, CPersistStorage& storage)
{
    CMediaOutputList::LoadSelf(name, storage);
    m_input.Load(kInputTag, storage);
}
