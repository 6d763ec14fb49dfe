#pragma once
// The target side of drag-and-drop: a window registers one, and a drag passing over the
// window calls it. Without a display the user's drag is scripted: the path of windows and
// points the pointer passes, and whether the button is released over the last one.
#include "afx/windows/COleDataObject.h"
#include "afx/CPoint.h"

#include <vector>

class CWnd;

class COleDropTarget {
public:
    COleDropTarget() = default;
    COleDropTarget(const COleDropTarget&) = delete;
    COleDropTarget& operator=(const COleDropTarget&) = delete;
    virtual ~COleDropTarget();

    BOOL Register(CWnd* wnd);
    void Revoke();
    CWnd* GetWindow() const { return m_wnd; }

    virtual DROPEFFECT OnDragEnter(CWnd* wnd, COleDataObject* data, DWORD keyState, CPoint point);
    virtual DROPEFFECT OnDragOver(CWnd* wnd, COleDataObject* data, DWORD keyState, CPoint point);
    virtual BOOL OnDrop(CWnd* wnd, COleDataObject* data, DROPEFFECT effect, CPoint point);
    virtual void OnDragLeave(CWnd* wnd);

private:
    CWnd* m_wnd = nullptr;
};

// One place the pointer passes during a drag: a window and a point in its client area.
struct MvDragStep {
    HWND hwnd;
    POINT point;
};
// The next drag follows the path and, with `drop`, ends with the button released there.
// Without a script a drag ends at once with nothing dropped.
void MvScriptDrag(std::vector<MvDragStep> path, bool drop);
DROPEFFECT MvRunDragDrop(COleDataObject& data, DROPEFFECT allowed);
