#include "CRecordingFileList.h"

#include "CRecordingDir.h"
#include "CRecordingFile.h"
#include "CRecordingFileListDisplay.h"
#include "UShortDate.h"
#include "USingleSelection.h"
#include "UTimecodeUtils.h"

#include "win32/controls/CommCtrl.h"

namespace {
CRecordingFile* AsRecording(CPersistObject* object)
{
    return object && object->IsInstanceOf(FourCharCode("rfil")) ? static_cast<CRecordingFile*>(object) : nullptr;
}
} // namespace

CPersistList* CRecordingFileList::GetList(CPersistObject* object)
{
    auto* folder = dynamic_cast<CRecordingDir*>(object);
    return folder ? &folder->GetFileList() : nullptr;
}

CObjectDisplay* CRecordingFileList::CreateChildDisplay(CPersistObject* object)
{
    return object ? new CRecordingFileListDisplay(this) : nullptr;
}

void CRecordingFileList::CreateListHeaders()
{
    InsertColumn(0, m_nameHeader, LVCFMT_LEFT, 200);
    InsertColumn(1, "Date", LVCFMT_LEFT, 120);
    InsertColumn(2, "Time", LVCFMT_LEFT, 120);
}

UINT CRecordingFileList::GetImageListResource(int& width, int& height)
{
    width = 16;
    height = 15;
    return 11068;
}

CString CRecordingFileList::GetObjectText(CPersistObject* object, int column, bool full)
{
    CRecordingFile* recording = AsRecording(object);
    if (!recording) return "Error";
    CPersistDateTime& stamp = recording->GetDateTime();
    switch (column) {
    case 0:
        return full ? recording->GetFile().GetFileNameOnly() : recording->GetName();
    case 1:
        return UShortDate::Format(stamp.GetYear(), stamp.GetMonth(), stamp.GetDay());
    case 2:
        return UTimecodeUtils::FormatTime(stamp.GetHour(), stamp.GetMinute(), stamp.GetSecond());
    default:
        return "Error";
    }
}

CRecordingFile* CRecordingFileList::GetSelectedFile()
{
    return static_cast<CRecordingFile*>(USingleSelection::GetObject(*this, FourCharCode("rfil")));
}
