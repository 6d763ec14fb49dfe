#include "CMediaOutputList.h"

#include "CMediaWriter2.h"

MV_IMPLEMENT_PERSIST_CLASS(CMediaOutputList, CPersistObject, FourCharCode("molt"))

namespace {
const char* const kOutputsTag = "outputs";
}

CMediaOutputList::CMediaOutputList() : m_outputs(FourCharCode("awr2")) {}

void CMediaOutputList::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    m_outputs.Save(kOutputsTag, storage);
}

void CMediaOutputList::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    m_outputs.Load(kOutputsTag, storage);
}

CMediaWriter2* CMediaOutputList::GetOutput(int index) const { return m_outputs.At(index); }
int CMediaOutputList::GetOutputIndex(const CMediaWriter2* writer) const { return m_outputs.IndexOf(writer); }
