#include "CApplicationFrame.h"

#include "UApplicationUtils.h"
#include "UWindowsUtils.h"
#include "afx/windows/CCmdUI.h"
#include "afx/windows/MessageMap.h"

IMPLEMENT_DYNCREATE(CApplicationFrame, CTaskBarFrame)

CApplicationFrame* CApplicationFrame::sFrame = nullptr;

BEGIN_MESSAGE_MAP(CApplicationFrame, CTaskBarFrame)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_MOVE()
    ON_COMMAND_RANGE(CApplicationFrame::kFirstLink, CApplicationFrame::kLastLink, OnLink)
    ON_UPDATE_COMMAND_UI_RANGE(CApplicationFrame::kFirstLink, CApplicationFrame::kLastLink, OnUpdateLink)
END_MESSAGE_MAP()

CApplicationFrame::CApplicationFrame()
{
    if (!sFrame) sFrame = this;
}

CApplicationFrame::~CApplicationFrame()
{
    if (sFrame == this) sFrame = nullptr;
}

int CApplicationFrame::OnCreate(LPCREATESTRUCT cs)
{
    if (CTaskBarFrame::OnCreate(cs) == -1) return -1;
    m_links.Attach(this);
    SetWindowText(UApplicationUtils::GetApplicationNameWithVersion());
    UWindowsUtils::PlaceWindow(this, true);
    m_placed = true;
    return 0;
}

void CApplicationFrame::OnSize(UINT type, int cx, int cy)
{
    CTaskBarFrame::OnSize(type, cx, cy);
    if (m_placed && type == SIZE_RESTORED) UWindowsUtils::StoreLocation(this);
}

void CApplicationFrame::OnMove(int x, int y)
{
    CTaskBarFrame::OnMove(x, y);
    if (m_placed) UWindowsUtils::StoreLocation(this);
}

void CApplicationFrame::OnLink(UINT id)
{
    m_links.OnCommand(static_cast<int>(id));
}

void CApplicationFrame::OnUpdateLink(CCmdUI* ui)
{
    ui->Enable(TRUE);
}
