#include "CSyncOptionController.h"

#include "CEntryField.h"
#include "CPortableMediaConversion.h"
#include "CTargetDecisions.h"
#include "CTargetPlatform.h"
#include "TListenedReference.h"
#include "UWindowsUtils.h"
#include "afx/controls/CButton.h"

CSyncOptionController::CSyncOptionController()
{
    mExpectedType = FourCharCode("pmed");
}

CSyncOptionController::~CSyncOptionController()
{
    SetObject(nullptr, false);
    RetargetListenedReference<CEntryField>(*this, m_playList, nullptr);
}

CPortableMediaConversion* CSyncOptionController::GetConversion() const
{
    return static_cast<CPortableMediaConversion*>(GetObjectA());
}

void CSyncOptionController::SetControls(CButton* addToSync, CButton* addToPlayList, CEntryField* playList)
{
    m_addToSync = addToSync;
    m_addToPlayList = addToPlayList;
    RetargetListenedReference(*this, m_playList, playList);
}

bool CSyncOptionController::SetObject(CPersistObject* object, bool refresh)
{
    if (!CObjectController2::SetObject(object, refresh)) return false;
    RefreshControlText();
    return true;
}

void CSyncOptionController::RefreshControlText()
{
    CPortableMediaConversion* conversion = GetConversion();
    if (!conversion || !CTargetDecisions::sDecisions || !m_addToSync) return;
    CTargetPlatform* platform = CTargetDecisions::sDecisions->EnsurePlatform(conversion->GetName());
    if (platform) m_addToSync->SetWindowText(platform->GetSyncText());
}

void CSyncOptionController::ReflectAddToSync()
{
    CPortableMediaConversion* conversion = GetConversion();
    if (!conversion) return;
    UWindowsUtils::SetCheck(m_addToSync, conversion->GetAddToSync());
    UWindowsUtils::ShowWindow(m_addToPlayList, conversion->GetAddToSync());
    UWindowsUtils::ShowWindow(m_playList, conversion->GetAddToSync() && conversion->GetAddToPlayList());
}

void CSyncOptionController::ReflectAddToPlayList()
{
    CPortableMediaConversion* conversion = GetConversion();
    if (!conversion) return;
    UWindowsUtils::SetCheck(m_addToPlayList, conversion->GetAddToPlayList());
    UWindowsUtils::ShowWindow(m_playList, conversion->GetAddToSync() && conversion->GetAddToPlayList());
}

void CSyncOptionController::ReflectPlayList()
{
    CPortableMediaConversion* conversion = GetConversion();
    if (conversion && m_playList) m_playList->SetWindowText(conversion->GetPlayList());
}

void CSyncOptionController::EnterAddToSync()
{
    CPortableMediaConversion* conversion = GetConversion();
    if (!conversion || !m_addToSync) return;
    if (!conversion->SetAddToSync(m_addToSync->GetCheck() == 1)) ReflectAddToSync();
}

void CSyncOptionController::EnterAddToPlayList()
{
    CPortableMediaConversion* conversion = GetConversion();
    if (!conversion || !m_addToPlayList) return;
    if (!conversion->SetAddToPlayList(m_addToPlayList->GetCheck() == 1)) ReflectAddToPlayList();
}

void CSyncOptionController::EnterPlayList()
{
    CPortableMediaConversion* conversion = GetConversion();
    if (!conversion || !m_playList) return;
    CString text;
    m_playList->GetWindowText(text);
    if (!conversion->SetPlayList(text)) ReflectPlayList();
}

void CSyncOptionController::Refresh()
{
    CObjectController2::Refresh();
    ReflectAddToSync();
    ReflectAddToPlayList();
    ReflectPlayList();
}

bool CSyncOptionController::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case CPortableMediaConversion::kAddToSyncChangedNotice: ReflectAddToSync(); return true;
    case CPortableMediaConversion::kAddToPlayListChangedNotice: ReflectAddToPlayList(); return true;
    case CPortableMediaConversion::kPlayListChangedNotice: ReflectPlayList(); return true;
    default: return CObjectController2::Respond(code, sender, a, b);
    }
}

bool CSyncOptionController::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kEntryFieldCommittedMessage && m_playList && p == m_playList->Identity()) {
        EnterPlayList();
        return true;
    }
    if (message == kBroadcasterDyingMessage) ForgetDyingReference(m_playList, p);
    return CObjectController2::ListenToMessage(message, p, q);
}
