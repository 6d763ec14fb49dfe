#include "CFailedFileListControl.h"

#include "CMediaFile2.h"

namespace {
CMediaFile2* AsMediaFile(CPersistObject* object)
{
    return object && object->IsInstanceOf(FourCharCode("mfl2")) ? static_cast<CMediaFile2*>(object) : nullptr;
}
} // namespace

void CFailedFileListControl::CreateListHeaders()
{
    InsertColumn(0, "File", LVCFMT_LEFT, 160);
    InsertColumn(1, "Path", LVCFMT_LEFT, 240);
}

CString CFailedFileListControl::GetObjectText(CPersistObject* object, int column, bool)
{
    CMediaFile2* file = AsMediaFile(object);
    if (file && column == 0) return file->GetFilePath().GetFileNameOnly();
    if (file && column == 1) return file->GetFilePath().GetFilePath();
    return "Error";
}

int CFailedFileListControl::GetObjectImage(CPersistObject* object)
{
    CMediaFile2* file = AsMediaFile(object);
    if (!file) return 2;
    if (file->GetVideoTrackCount() > 0) return 1;
    return file->GetAudioTrackCount() > 0 ? 0 : 2;
}
