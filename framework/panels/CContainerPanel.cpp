#include "CContainerPanel.h"

#include "UDialogTemplates.h"
#include "afx/gdi/CPaintDC.h"
#include "afx/windows/MessageMap.h"

namespace {
constexpr UINT kTemplate = 10090;

MvDialogTemplate MakeTemplate()
{
    MvDialogTemplate t = UDialogTemplates::Make("", 186, 90, {});
    t.style = WS_CHILD | DS_CONTROL;
    return t;
}
} // namespace

BEGIN_MESSAGE_MAP(CContainerPanel, CPanel)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CContainerPanel::CContainerPanel(CWnd* parent) : CPanel(kTemplate, parent)
{
    UDialogTemplates::Register(kTemplate, MakeTemplate);
}

BOOL CContainerPanel::OnInitDialog()
{
    CPanel::OnInitDialog();
    m_manager.SetParent(this);
    return TRUE;
}

void CContainerPanel::RequestSize(CRect& rect)
{
    Broadcast(kContainerSizeRequestMessage, this, &rect);
}

void CContainerPanel::OnPaint()
{
    CPaintDC dc(this);
    m_manager.Paint(&dc);
}
