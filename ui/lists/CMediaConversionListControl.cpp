#include "CMediaConversionListControl.h"

#include "CConversionList.h"
#include "CMediaConversionData.h"
#include "CMediaConversionListDisplay.h"
#include "CSliceDuration2.h"
#include "UListTexts.h"
#include "UTimecodeUtils.h"

#include "win32/controls/CommCtrl.h"

CMediaConversionListControl::CMediaConversionListControl(bool audio, bool video, bool requireAudio)
    : CMediaItemListControl(audio, video, requireAudio)
{
}

CConversionList* CMediaConversionListControl::GetConversionList()
{
    return dynamic_cast<CConversionList*>(GetObjectA());
}

CPersistList* CMediaConversionListControl::GetList(CPersistObject* object)
{
    auto* list = dynamic_cast<CConversionList*>(object);
    return list ? &list->GetFiles() : nullptr;
}

CObjectDisplay* CMediaConversionListControl::CreateChildDisplay(CPersistObject* object)
{
    return object ? new CMediaConversionListDisplay(this) : nullptr;
}

void CMediaConversionListControl::CreateListHeaders()
{
    InsertColumn(0, "Original file", LVCFMT_LEFT, 160);
    InsertColumn(1, "Duration", LVCFMT_RIGHT, 80);
    InsertColumn(2, "Video", LVCFMT_RIGHT, 100);
    InsertColumn(3, "Audio", LVCFMT_RIGHT, 100);
    InsertColumn(4, "Save to", LVCFMT_LEFT, 160);
    InsertColumn(5, "Estimated Size", LVCFMT_RIGHT, 100);
    InsertColumn(6, "Status", LVCFMT_RIGHT, 80);
}

UINT CMediaConversionListControl::GetImageListResource(int& width, int& height)
{
    width = 16;
    height = 15;
    return 11068;
}

CString CMediaConversionListControl::GetObjectText(CPersistObject* object, int column, bool full)
{
    CMediaFile2* input = GetFileOf(object);
    if (!input) return column == 0 ? "-" : "Error";
    switch (column) {
    case 0:
        return full ? input->GetFilePath().GetFilePath() : input->GetFilePath().GetFileNameOnly();
    case 1:
        return UTimecodeUtils::FriendlyFormat(input->GetSlice()->GetMax());
    case 2:
        return input->GetVideoSummary();
    case 3:
        return input->GetAudioSummary();
    case 4:
        return input->GetOutputFile().GetFileNameOnly();
    case 5:
        return UListTexts::GetSizeText(input->GetEstimatedSize());
    case 6:
        return UListTexts::GetStatusText(input->GetStatus(), UListTexts::kCanceled);
    default:
        return "Error";
    }
}

CMediaConversionData* CMediaConversionListControl::GetSelectedFile()
{
    return static_cast<CMediaConversionData*>(GetSelectedItem());
}

CMediaFile2* CMediaConversionListControl::GetItemFile(CPersistObject* item)
{
    return &static_cast<CMediaConversionData*>(item)->GetInput();
}

void CMediaConversionListControl::TakeFile(CMediaFile2* file)
{
    auto* data = new CMediaConversionData;
    data->GetInput() = *file;
    GetConversionList()->AddFile(data);
    delete file;
}

void CMediaConversionListControl::DeleteItem(CPersistObject* item)
{
    if (CConversionList* list = GetConversionList()) list->RemoveFile(static_cast<CMediaConversionData*>(item));
}
