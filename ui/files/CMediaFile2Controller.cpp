#include "CMediaFile2Controller.h"

#include "CSliceDuration2.h"
#include "CVideoDetailDialog.h"
#include "CVideoTrack.h"

#include "CMediaFile2.h"
#include "UStringBuffer.h"
#include "UWindowsUtils.h"
#include "afx/controls/CButton.h"
#include "afx/controls/CEdit.h"

CMediaFile2Controller::CMediaFile2Controller()
{
    mExpectedType = FourCharCode("mfl2");
}

CMediaFile2* CMediaFile2Controller::GetFile() const
{
    return static_cast<CMediaFile2*>(GetObjectA());
}

void CMediaFile2Controller::SetControls(CEdit* file, CButton* preview)
{
    m_file = file;
    m_preview = preview;
    Refresh();
}

void CMediaFile2Controller::ReflectFile()
{
    UWindowsUtils::SetWindowTextA(m_file, GetFile() ? GetFile()->GetFilePath().GetFilePath().GetString() : "-");
}

void CMediaFile2Controller::ReflectPreview()
{
    UWindowsUtils::EnableWindow(m_preview, GetFile() != nullptr);
}

void CMediaFile2Controller::Refresh()
{
    ReflectFile();
    ReflectPreview();
}

char* CMediaFile2Controller::GetText()
{
    if (!GetFile()) return CObjectController2::GetText();
    return UStringBuffer::Text(GetFile()->GetFilePath().GetFileNameOnly());
}

void CMediaFile2Controller::Prompt()
{
    CMediaFile2* file = GetFile();
    if (!file) return;
    CVideoDetailDialog dialog(nullptr);
    dialog.SetData(*file);
    if (dialog.DoModal() != IDOK) return;
    CMediaFile2& edited = dialog.GetData();
    for (int i = 0; i < file->GetVideoTrackCount() && i < edited.GetVideoTrackCount(); ++i) {
        CVideoTrack* to = file->GetVideoTrack(i);
        CVideoTrack* from = edited.GetVideoTrack(i);
        // The crops first: their side effects work out the ratios anew, which would
        // undo the user's aspect ratio if it came before them.
        to->SetCropLeft(from->GetCropLeft());
        to->SetCropRight(from->GetCropRight());
        to->SetCropTop(from->GetCropTop());
        to->SetCropBottom(from->GetCropBottom());
        to->GetAspectRatio() = from->GetAspectRatio();
        to->GetTransformation() = from->GetTransformation();
    }
    // Every slice the user cut in the preview comes back, not only the first one's ends.
    while (file->GetSliceCount() > 0) file->RemoveSlice(file->GetSliceAt(0));
    for (int i = 0; i < edited.GetSliceCount(); ++i) file->AddSlice(new CSliceDuration2(*edited.GetSliceAt(i)));
    file->SetSelectVideo(edited.GetSelectVideo());
    file->SetSelectAudio(edited.GetSelectAudio());
    file->SetShowSubtitle(edited.GetShowSubtitle());
    file->SetSelectSubtitle(edited.GetSelectSubtitle());
}
