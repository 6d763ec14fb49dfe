#include "CMediaOutputList.h"

#include "CMediaWriter2.h"
#include "UDataListUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CMediaOutputList, CPersistObject, FourCharCode("molt"))

namespace {
const char* const kOutputsTag = "outputs";
constexpr LONG kWriterType = FourCharCode("awr2");
}

CMediaOutputList::CMediaOutputList() { m_outputs.SetChildClassId(kWriterType); }

void CMediaOutputList::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    m_outputs.Save(kOutputsTag, storage);
}

void CMediaOutputList::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    m_outputs.Load(kOutputsTag, storage);
    UDataListUtils::DropForeignItems(m_outputs, kWriterType);
}

CMediaWriter2* CMediaOutputList::GetOutput(int index) const
{
    if (index < 0 || index >= m_outputs.GetItemCount()) return nullptr;
    return static_cast<CMediaWriter2*>(m_outputs.GetAt(index));
}

int CMediaOutputList::GetOutputIndex(const CMediaWriter2* writer) const { return m_outputs.GetIndex(writer); }
