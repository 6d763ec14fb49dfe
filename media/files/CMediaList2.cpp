#include "CMediaList2.h"

#include "CMediaFile2.h"

MV_IMPLEMENT_PERSIST_CLASS(CMediaList2, CPersistObject, FourCharCode("mlst"))

namespace {
const char* const kFilesTag = "files";
}

CMediaList2::CMediaList2() : m_files(FourCharCode("mfl2")) {}

void CMediaList2::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    m_files.Save(kFilesTag, storage);
}

void CMediaList2::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    m_files.Load(kFilesTag, storage);
}

void CMediaList2::AddFile(CMediaFile2* file) { m_files.Add(file); }
void CMediaList2::RemoveFile(CMediaFile2* file) { m_files.Delete(file); }
CMediaFile2* CMediaList2::GetFile(int index) const { return m_files.At(index); }
int CMediaList2::GetFileIndex(const CMediaFile2* file) const { return m_files.IndexOf(file); }
