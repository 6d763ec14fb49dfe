#include "CConversionList.h"

#include "CMediaConversionData.h"
#include "UDataListUtils.h"
#include "URecordListUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CConversionList, CPersistObject, FourCharCode("clst"))

namespace {
const char* const kFilesTag = "files";
}

void CConversionList::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    m_files.Save(kFilesTag, storage);
}

void CConversionList::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    m_files.Load(kFilesTag, storage);
    UDataListUtils::DropForeignItems(m_files, FourCharCode("mcdt"));
}

void CConversionList::AddFile(CMediaConversionData* job)
{
    m_files.Add(job);
}

void CConversionList::RemoveFile(CMediaConversionData* job)
{
    URecordListUtils::Delete(m_files, job);
}

CMediaConversionData* CConversionList::GetFile(int index) const
{
    return URecordListUtils::At<CMediaConversionData>(m_files, index);
}
