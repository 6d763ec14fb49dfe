#include "CMediaItemListControl.h"

#include "CDataPropertiesDialog.h"
#include "CMediaFile2.h"
#include "CMediaFileVerifier.h"
#include "CPersistList.h"
#include "UDecoderGuids.h"
#include "UMediaProperties.h"
#include "USelectedObjects.h"
#include "UShellUtils.h"
#include "USingleSelection.h"

#include "afx/windows/MessageMap.h"
#include "win32/controls/CommCtrl.h"

BEGIN_MESSAGE_MAP(CMediaItemListControl, CFastObjectListControl)
    ON_WM_CREATE()
    ON_WM_DROPFILES()
    ON_NOTIFY_REFLECT(NM_DBLCLK, OnDblclk)
END_MESSAGE_MAP()

CMediaItemListControl::CMediaItemListControl(bool audio, bool video, bool requireAudio)
    : m_verifier(std::make_unique<CMediaFileVerifier>(audio, video, requireAudio, true))
{
    m_verifier->AddListener(this);
}

CMediaItemListControl::~CMediaItemListControl()
{
    m_verifier->RemoveListener(this);
}

bool CMediaItemListControl::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == CMediaVerifier::kMediaVerifiedMessage && p == static_cast<const void*>(m_verifier.get())) {
        AddFiles(m_verifier.get());
        return true;
    }
    return CFastObjectListControl::ListenToMessage(message, p, q);
}

CPersistObject* CMediaItemListControl::AsItem(CPersistObject* object) const
{
    return object && object->IsInstanceOf(GetItemType()) ? object : nullptr;
}

CMediaFile2* CMediaItemListControl::GetFileOf(CPersistObject* object)
{
    CPersistObject* item = AsItem(object);
    return item ? GetItemFile(item) : nullptr;
}

int CMediaItemListControl::GetObjectImage(CPersistObject* object)
{
    CMediaFile2* file = GetFileOf(object);
    if (!file || !file->HasVideo()) return 0;
    return file->GetMediaSource() == 1 ? 2 : 1;
}

void CMediaItemListControl::Add()
{
    m_verifier->Add();
}

void CMediaItemListControl::AddFiles(CMediaVerifier* verifier)
{
    if (!verifier) return;
    CPointerList& accepted = verifier->GetMediaList();
    // Without a bound list the files stay with the verifier, which deletes them.
    if (GetChildList()) {
        for (int i = 0; i < accepted.GetItemCount(); ++i) TakeFile(static_cast<CMediaFile2*>(accepted.GetAt(i)));
        accepted.RemoveAll();
    }
    verifier->PromptFailedFiles();
    verifier->Reset();
}

void CMediaItemListControl::Remove()
{
    for (CPersistObject* item : USelectedObjects::Of(*this, GetItemType())) DeleteItem(item);
    SelectAll(false);
}

void CMediaItemListControl::Clear()
{
    SelectAll(false);
    CPersistList* list = GetChildList();
    for (int i = list ? list->GetItemCount() - 1 : -1; i >= 0; --i) DeleteItem(list->GetAt(i));
}

void CMediaItemListControl::RemoveCompleted()
{
    CPersistList* list = GetChildList();
    for (int i = list ? list->GetItemCount() - 1 : -1; i >= 0; --i) {
        CMediaFile2* file = GetFileOf(list->GetAt(i));
        if (file && file->GetStatus() == 2) DeleteItem(list->GetAt(i));
    }
}

CPersistObject* CMediaItemListControl::GetSelectedItem()
{
    return USingleSelection::GetObject(*this, GetItemType());
}

CMediaFile2* CMediaItemListControl::GetSelectedMediaFile()
{
    CPersistObject* item = GetSelectedItem();
    return item ? GetItemFile(item) : nullptr;
}

void CMediaItemListControl::ShellOpen()
{
    if (CMediaFile2* file = GetSelectedMediaFile()) UShellUtils::Open(file->GetFilePath().GetFilePath());
}

void CMediaItemListControl::RunPropertiesDialog()
{
    CMediaFile2* file = GetSelectedMediaFile();
    if (!file) return;
    CDataPropertiesDialog dialog(this);
    UMediaProperties::FillProperties(dialog.GetProperties(), *file);
    UDecoderGuids::ReplaceGuid(dialog.GetProperties());
    dialog.DoModal();
}

bool CMediaItemListControl::GetFileName(CString& text)
{
    CMediaFile2* file = GetSelectedMediaFile();
    if (!file) return false;
    text = file->GetFilePath().GetFileNameOnly();
    return true;
}

bool CMediaItemListControl::GetFileTypeText(CString& text)
{
    CMediaFile2* file = GetSelectedMediaFile();
    if (!file) return false;
    text = file->GetFileType();
    return true;
}

bool CMediaItemListControl::GetVideoTrackText(CString& text)
{
    CMediaFile2* file = GetSelectedMediaFile();
    if (!file) return false;
    text.Format("Video Track: %d", file->GetSelectVideo() + 1);
    return true;
}

bool CMediaItemListControl::GetAudioTrackText(CString& text)
{
    CMediaFile2* file = GetSelectedMediaFile();
    if (!file) return false;
    text.Format("Audio Track: %d", file->GetSelectAudio() + 1);
    return true;
}

int CMediaItemListControl::OnCreate(LPCREATESTRUCT cs)
{
    int result = CFastObjectListControl::OnCreate(cs);
    if (result != -1) DragAcceptFiles(TRUE);
    return result;
}

void CMediaItemListControl::OnDropFiles(HDROP drop)
{
    m_verifier->AddFiles(drop);
    CFastObjectListControl::OnDropFiles(drop);
}

void CMediaItemListControl::OnDblclk(NMHDR*, LRESULT* result)
{
    *result = 0;
    ShellOpen();
}
