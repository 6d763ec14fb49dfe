#include "CTargetPlatformController.h"

#include "CEntryField.h"
#include "CTargetPlatform.h"
#include "TListenedReference.h"
#include "UFieldValues.h"
#include "UStringBuffer.h"
#include "UWindowsUtils.h"
#include "afx/controls/CButton.h"

CTargetPlatformController::CTargetPlatformController()
{
    mExpectedType = FourCharCode("tpla");
}

CTargetPlatformController::~CTargetPlatformController()
{
    SetControls(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
}

CTargetPlatform* CTargetPlatformController::GetPlatform() const
{
    return static_cast<CTargetPlatform*>(GetObjectA());
}

void CTargetPlatformController::SetControls(CEntryField* name, CButton* canSync, CButton* active,
                                            CEntryField* playList, CEntryField* syncText, CEntryField* notes)
{
    RetargetListenedReference(*this, m_name, name);
    m_canSync = canSync;
    m_active = active;
    RetargetListenedReference(*this, m_playList, playList);
    RetargetListenedReference(*this, m_syncText, syncText);
    RetargetListenedReference(*this, m_notes, notes);
}

void CTargetPlatformController::ReflectName()
{
    if (GetPlatform()) UWindowsUtils::SetWindowTextA(m_name, GetPlatform()->GetName());
}

void CTargetPlatformController::ReflectCanSync()
{
    if (GetPlatform()) UWindowsUtils::SetCheck(m_canSync, GetPlatform()->GetCanSync());
}

void CTargetPlatformController::ReflectActive()
{
    if (GetPlatform()) UWindowsUtils::SetCheck(m_active, GetPlatform()->GetActive());
}

void CTargetPlatformController::ReflectPlayList()
{
    if (GetPlatform()) UWindowsUtils::SetWindowTextA(m_playList, GetPlatform()->GetDefaultPlayList());
}

void CTargetPlatformController::ReflectSyncText()
{
    if (GetPlatform()) UWindowsUtils::SetWindowTextA(m_syncText, GetPlatform()->GetSyncText());
}

void CTargetPlatformController::ReflectNotes()
{
    if (GetPlatform()) UWindowsUtils::SetWindowTextA(m_notes, GetPlatform()->GetNotes());
}

template <class Record>
void CTargetPlatformController::EnterText(CEntryField* field, bool (Record::*set)(const char*), Reflect reflect)
{
    CTargetPlatform* platform = GetPlatform();
    if (!platform || !field) return;
    if (!(platform->*set)(UFieldValues::GetText(field))) (this->*reflect)();
}

void CTargetPlatformController::EnterFlag(CButton* check, bool (CTargetPlatform::*set)(bool), Reflect reflect)
{
    CTargetPlatform* platform = GetPlatform();
    if (!platform || !check) return;
    if (!(platform->*set)(UWindowsUtils::GetCheck(check))) (this->*reflect)();
}

void CTargetPlatformController::EnterName()
{
    EnterText(m_name, &CNamedObject::SetName, &CTargetPlatformController::ReflectName);
}

void CTargetPlatformController::EnterCanSync()
{
    EnterFlag(m_canSync, &CTargetPlatform::SetCanSync, &CTargetPlatformController::ReflectCanSync);
}

void CTargetPlatformController::EnterActive()
{
    EnterFlag(m_active, &CTargetPlatform::SetActive, &CTargetPlatformController::ReflectActive);
}

void CTargetPlatformController::EnterPlayList()
{
    EnterText(m_playList, &CTargetPlatform::SetDefaultPlayList, &CTargetPlatformController::ReflectPlayList);
}

void CTargetPlatformController::EnterSyncText()
{
    EnterText(m_syncText, &CTargetPlatform::SetSyncText, &CTargetPlatformController::ReflectSyncText);
}

void CTargetPlatformController::EnterNotes()
{
    EnterText(m_notes, &CTargetPlatform::SetNotes, &CTargetPlatformController::ReflectNotes);
}

void CTargetPlatformController::Refresh()
{
    ReflectName();
    ReflectCanSync();
    ReflectActive();
    ReflectPlayList();
    ReflectSyncText();
    ReflectNotes();
}

char* CTargetPlatformController::GetText()
{
    return UStringBuffer::Text(GetPlatform() ? static_cast<const char*>(GetPlatform()->GetName()) : "");
}

bool CTargetPlatformController::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case CNamedObject::kNameChangedNotice: ReflectName(); return true;
    case CTargetPlatform::kCanSyncChangedNotice: ReflectCanSync(); return true;
    case CTargetPlatform::kActiveChangedNotice: ReflectActive(); return true;
    case CTargetPlatform::kSyncTextChangedNotice: ReflectSyncText(); return true;
    case CTargetPlatform::kDefaultPlayListChangedNotice: ReflectPlayList(); return true;
    case CTargetPlatform::kNotesChangedNotice: ReflectNotes(); return true;
    default: return CObjectController2::Respond(code, sender, a, b);
    }
}

bool CTargetPlatformController::ListenToMessage(long message, const void* p, const void* q)
{
    // One table serves both the commit dispatch and forgetting a dying field.
    using Enter = void (CTargetPlatformController::*)();
    const struct {
        CEntryField** field;
        Enter enter;
    } fields[] = {
        {&m_name, &CTargetPlatformController::EnterName},
        {&m_playList, &CTargetPlatformController::EnterPlayList},
        {&m_syncText, &CTargetPlatformController::EnterSyncText},
        {&m_notes, &CTargetPlatformController::EnterNotes},
    };
    for (const auto& entry : fields) {
        CEntryField*& field = *entry.field;
        if (message == kEntryFieldCommittedMessage && field && p == field->Identity()) {
            (this->*entry.enter)();
            return true;
        }
        if (message == kBroadcasterDyingMessage) ForgetDyingReference(field, p);
    }
    return CObjectController2::ListenToMessage(message, p, q);
}
