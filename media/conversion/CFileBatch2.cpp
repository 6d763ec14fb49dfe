#include "CFileBatch2.h"

MV_IMPLEMENT_PERSIST_CLASS(CFileBatch2, CMediaBatch2, FourCharCode("fil2"))

namespace {
const char* const kFileListTag = "file list";
}

void CFileBatch2::SaveSelf(const char* name, CPersistStorage& storage)
{
    CMediaBatch2::SaveSelf(name, storage);
    m_files.Save(kFileListTag, storage);
}

void CFileBatch2::LoadSelf(const char* name, CPersistStorage& storage)
{
    CMediaBatch2::LoadSelf(name, storage);
    m_files.Load(kFileListTag, storage);
}
