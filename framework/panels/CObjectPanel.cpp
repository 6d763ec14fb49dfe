#include "CObjectPanel.h"

#include "CObjectController2.h"

CObjectPanel::CObjectPanel(unsigned id, CWnd* parent) : CPanel(id, parent) {}

CObjectPanel::~CObjectPanel()
{
    SetController(nullptr);
    SetController2(nullptr);
}

void CObjectPanel::Rebind(CObjectController2*& slot, CObjectController2* controller)
{
    if (controller == slot) return;
    if (slot) slot->RemoveListener(this);
    slot = controller;
    if (slot) slot->AddListener(this);
}

void CObjectPanel::SetController(CObjectController2* controller)
{
    Rebind(m_controller, controller);
}

void CObjectPanel::SetController2(CObjectController2* controller)
{
    Rebind(m_controller2, controller);
}

void CObjectPanel::SetObject(CPersistObject* object)
{
    if (!m_controller) return;
    m_controller->SetObject(object, true);
    ReflectObject();
}

CPersistObject* CObjectPanel::GetObject() const
{
    return m_controller ? m_controller->GetObjectA() : nullptr;
}

void CObjectPanel::SetAutoShow(bool autoShow)
{
    m_autoShow = autoShow;
    ReflectObject();
}

void CObjectPanel::ReflectObject()
{
    if (m_controller && m_autoShow) SetEnable(m_controller->GetObjectA() != nullptr);
    if (IsEnabled()) Broadcast(kPanelObjectChangedMessage, nullptr, nullptr);
}

void CObjectPanel::Refresh()
{
    if (m_controller) m_controller->Refresh();
    if (m_controller2) m_controller2->Refresh();
}

CString CObjectPanel::GetDetailedText(bool& valid)
{
    CString text;
    if (m_controller) {
        valid = m_controller->IsValid();
        text += m_controller->GetText();
    }
    if (m_controller2) {
        if (!text.IsEmpty()) text += ", ";
        text += m_controller2->GetText();
    }
    return text;
}

bool CObjectPanel::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kBroadcasterDyingMessage) {
        // A controller that goes first is forgotten, so the panel never calls it again.
        if (m_controller && static_cast<const CBroadcaster*>(m_controller) == p) m_controller = nullptr;
        if (m_controller2 && static_cast<const CBroadcaster*>(m_controller2) == p) m_controller2 = nullptr;
    } else if (message == kControllerObjectChangedMessage) {
        if (IsEnabled()) Broadcast(kPanelObjectChangedMessage, nullptr, nullptr);
    } else if (message == kControllerInvalidMessage) {
        // The host opens the page that holds the rejected value.
        Broadcast(kPanelExpandMessage, static_cast<CPanel*>(this), nullptr);
    }
    return CListener::ListenToMessage(message, p, q);
}

BOOL CObjectPanel::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetupController();
    return TRUE;
}
