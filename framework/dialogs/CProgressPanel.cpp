#include "CProgressPanel.h"
#include "UDialogTemplates.h"
#include "UProgressDisplay.h"

namespace {
constexpr UINT kTemplate = 11030;

MvDialogTemplate MakeTemplate()
{
    MvDialogTemplate t = UDialogTemplates::Make("", 240, 76, UProgressDisplay::Items(3));
    t.style = WS_CHILD | DS_CONTROL;
    return t;
}
} // namespace

CProgressPanel::CProgressPanel(CWnd* parent) : CPanel(kTemplate, parent)
{
    UDialogTemplates::Register(kTemplate, MakeTemplate);
    m_timer.AddListener(this);
}

CProgressPanel::~CProgressPanel()
{
    End();
    if (m_hWnd) DestroyWindow();
}

BOOL CProgressPanel::OnInitDialog()
{
    CPanel::OnInitDialog();
    UProgressDisplay::Clear(this);
    return TRUE;
}

void CProgressPanel::UpdateProgress()
{
    if (m_hWnd) UProgressDisplay::Update(this, m_action);
}

bool CProgressPanel::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kTimerTickMessage && p == &m_timer) {
        UpdateProgress();
        return true;
    }
    return CListener::ListenToMessage(message, p, q);
}
