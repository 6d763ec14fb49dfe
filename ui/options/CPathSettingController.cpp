#include "CPathSettingController.h"

#include "CDirectoryPrompter.h"
#include "CEntryField.h"
#include "UWindowsUtils.h"

CPathSettingController::~CPathSettingController()
{
    SetFields(nullptr, nullptr);
}

void CPathSettingController::SetFields(CEntryField* first, CEntryField* second)
{
    CEntryField* fields[2] = {first, second};
    for (int i = 0; i < 2; ++i) {
        if (m_fields[i] == fields[i]) continue;
        if (m_fields[i]) m_fields[i]->RemoveListener(this);
        m_fields[i] = fields[i];
        if (m_fields[i]) m_fields[i]->AddListener(this);
    }
}

void CPathSettingController::ReflectPath(int slot)
{
    if (GetObjectA() && m_fields[slot]) UWindowsUtils::SetWindowTextA(m_fields[slot], GetPath(slot));
}

void CPathSettingController::EnterPath(int slot)
{
    if (!GetObjectA() || !m_fields[slot]) return;
    CString text;
    m_fields[slot]->GetWindowText(text);
    if (!SetPath(slot, text)) ReflectPath(slot);
}

void CPathSettingController::TakePath(int slot, const char* path)
{
    if (!m_fields[slot]) return;
    m_fields[slot]->SetWindowText(path);
    EnterPath(slot);
}

void CPathSettingController::PromptFolder(int slot)
{
    if (!GetObjectA() || !m_fields[slot]) return;
    CDirectoryPrompter prompter;
    prompter.SetDefaultPath(GetPath(slot));
    if (prompter.PromptSaveAs()) TakePath(slot, prompter.GetPath());
}

void CPathSettingController::Refresh()
{
    ReflectPath(0);
    ReflectPath(1);
}

bool CPathSettingController::Respond(long code, CBroadcaster* sender, long a, long b)
{
    for (int slot = 0; slot < 2; ++slot) {
        if (m_fields[slot] && code == GetNotice(slot)) {
            ReflectPath(slot);
            return true;
        }
    }
    return CObjectController2::Respond(code, sender, a, b);
}

bool CPathSettingController::ListenToMessage(long message, const void* p, const void* q)
{
    for (int slot = 0; slot < 2; ++slot) {
        if (!m_fields[slot]) continue;
        if (message == kEntryFieldCommittedMessage && p == m_fields[slot]->Identity()) {
            EnterPath(slot);
            return true;
        }
        if (message == kBroadcasterDyingMessage && p == static_cast<const CBroadcaster*>(m_fields[slot]))
            m_fields[slot] = nullptr;
    }
    return CObjectController2::ListenToMessage(message, p, q);
}
