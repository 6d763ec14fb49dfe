#include "CDirectShowWindow.h"

#include "CDirectShowGraph.h"
#include "CDirectoryPath.h"
#include "CDropFileList.h"
#include "CFilePath.h"
#include "StWaitCursor.h"
#include "UDrawingUtils.h"
#include "afx/gdi/CPaintDC.h"
#include "win32/fonts/Font.h"
#include "win32/gdi/Gdi.h"

BEGIN_MESSAGE_MAP(CDirectShowWindow, CWnd)
    ON_MESSAGE(0x480, OnGraphNotify)
    ON_WM_PAINT()
    ON_WM_DROPFILES()
    ON_WM_SIZE()
    ON_WM_MOVE()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_KEYDOWN()
    ON_WM_KEYUP()
END_MESSAGE_MAP()

CDirectShowWindow::CDirectShowWindow() = default;

CDirectShowWindow::~CDirectShowWindow()
{
    SetGraph(nullptr);
}

void CDirectShowWindow::SetGraph(CDirectShowGraph* graph)
{
    if (graph == m_graph) return;
    CDirectShowGraph* previous = m_graph;
    m_graph = nullptr;
    if (previous) {
        previous->SetDisplayWindow(nullptr);
        previous->SetNotifyWindow(nullptr);
        if (previous->GetVideoWindow() == this) previous->SetVideoWindow(nullptr);
    }
    m_graph = graph;
    if (graph) {
        graph->SetDisplayWindow(GetSafeHwnd());
        graph->SetNotifyWindow(GetSafeHwnd());
        graph->SetVideoWindow(this);
    }
}

LRESULT CDirectShowWindow::OnGraphNotify(WPARAM wParam, LPARAM lParam)
{
    if (m_graph) m_graph->HandleEvent(static_cast<unsigned>(wParam), static_cast<long>(lParam));
    return 0;
}

void CDirectShowWindow::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    UDrawingUtils::FillRect(&dc, client, RGB(0x40, 0x40, 0x40));
    if (m_graph) m_graph->RepaintVideo();
    if (m_text.IsEmpty() || m_graph) return;
    CFont* old = dc.SelectObject(UDrawingUtils::GetFont());
    dc.SetTextColor(RGB(255, 255, 255));
    dc.SetBkMode(TRANSPARENT);
    dc.DrawText(m_text, &client, DT_CENTER | DT_BOTTOM | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    dc.SelectObject(old);
}

void CDirectShowWindow::OnDropFiles(HDROP drop)
{
    {
        StWaitCursor wait;
        CDropFileList files(drop);
        for (int i = 0; i < files.GetPathCount(); ++i)
            if (ImportPath(files.GetPath(i), nullptr)) break;
    }
    CWnd::OnDropFiles(drop);
}

bool CDirectShowWindow::ImportPath(CPath* path, CPointerList* list)
{
    if (!path) return false;
    if (path->IsDir()) return ImportPath(static_cast<CDirectoryPath*>(path), list);
    return ImportPath(static_cast<CFilePath*>(path), list);
}

bool CDirectShowWindow::ImportPath(CDirectoryPath* path, CPointerList* list)
{
    for (int i = 0; path && i < path->GetPathCount(); ++i)
        if (ImportPath(path->GetPath(i), list)) break;
    return false;
}

bool CDirectShowWindow::ImportPath(CFilePath* path, CPointerList*)
{
    if (!path) return false;
    BYTE accepted = 0;
    Broadcast(kVideoWindowFileDroppedMessage, static_cast<const char*>(path->GetFilePath()), &accepted);
    return accepted != 0;
}

void CDirectShowWindow::ResizeGraph()
{
    if (m_graph) m_graph->Resize();
}

void CDirectShowWindow::OnSize(UINT type, int cx, int cy)
{
    CWnd::OnSize(type, cx, cy);
    ResizeGraph();
}

void CDirectShowWindow::OnMove(int x, int y)
{
    CWnd::OnMove(x, y);
    ResizeGraph();
}

void CDirectShowWindow::OnLButtonUp(UINT flags, CPoint point)
{
    Broadcast(kVideoWindowClickMessage, this, nullptr);
    CWnd::OnLButtonUp(flags, point);
}

void CDirectShowWindow::OnLButtonDblClk(UINT flags, CPoint point)
{
    Broadcast(kVideoWindowDoubleClickMessage, this, nullptr);
    CWnd::OnLButtonDblClk(flags, point);
}

void CDirectShowWindow::OnKeyDown(UINT key, UINT repeat, UINT flags)
{
    const DWORD words[3] = {key, repeat, flags};
    Broadcast(kVideoWindowKeyDownMessage, words, nullptr);
    CWnd::OnKeyDown(key, repeat, flags);
}

void CDirectShowWindow::OnKeyUp(UINT key, UINT repeat, UINT flags)
{
    const DWORD words[3] = {key, repeat, flags};
    Broadcast(kVideoWindowKeyUpMessage, words, nullptr);
    CWnd::OnKeyUp(key, repeat, flags);
}
