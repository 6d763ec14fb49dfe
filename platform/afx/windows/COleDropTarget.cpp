#include "afx/windows/COleDropTarget.h"

#include "afx/windows/CWnd.h"
#include "win32/windowing/Window.h"

#include <map>
#include <optional>

namespace {

struct DragScript {
    std::vector<MvDragStep> path;
    bool drop = false;
};

std::map<HWND, COleDropTarget*>& Targets()
{
    static std::map<HWND, COleDropTarget*> targets;
    return targets;
}

std::optional<DragScript>& Script()
{
    static std::optional<DragScript> script;
    return script;
}

// The registered target of the window or of its nearest ancestor, and that window.
COleDropTarget* TargetAt(HWND hwnd, HWND& window)
{
    for (window = hwnd; window; window = GetParent(window)) {
        auto found = Targets().find(window);
        if (found != Targets().end())
            return found->second;
    }
    return nullptr;
}

} // namespace

COleDropTarget::~COleDropTarget()
{
    Revoke();
}

BOOL COleDropTarget::Register(CWnd* wnd)
{
    if (!wnd || !wnd->GetSafeHwnd())
        return FALSE;
    Revoke();
    m_wnd = wnd;
    Targets()[wnd->GetSafeHwnd()] = this;
    return TRUE;
}

void COleDropTarget::Revoke()
{
    for (auto it = Targets().begin(); it != Targets().end();)
        it = it->second == this ? Targets().erase(it) : std::next(it);
    m_wnd = nullptr;
}

DROPEFFECT COleDropTarget::OnDragEnter(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

DROPEFFECT COleDropTarget::OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

BOOL COleDropTarget::OnDrop(CWnd*, COleDataObject*, DROPEFFECT, CPoint)
{
    return FALSE;
}

void COleDropTarget::OnDragLeave(CWnd*)
{
}

void MvScriptDrag(std::vector<MvDragStep> path, bool drop)
{
    Script() = DragScript{std::move(path), drop};
}

DROPEFFECT MvRunDragDrop(COleDataObject& data, DROPEFFECT allowed)
{
    std::optional<DragScript> script;
    script.swap(Script());
    if (!script)
        return DROPEFFECT_NONE;
    COleDropTarget* current = nullptr;
    HWND currentWindow = nullptr;
    DROPEFFECT effect = DROPEFFECT_NONE;
    CPoint at;
    for (const MvDragStep& step : script->path) {
        HWND window = nullptr;
        COleDropTarget* target = TargetAt(step.hwnd, window);
        POINT point = step.point;
        if (window && window != step.hwnd)
            MapWindowPoints(step.hwnd, window, &point, 1);
        at = CPoint(point.x, point.y);
        if (target != current && current)
            current->OnDragLeave(CWnd::FromHandle(currentWindow));
        if (!target) {
            current = nullptr;
            effect = DROPEFFECT_NONE;
            continue;
        }
        CWnd* wnd = CWnd::FromHandle(window);
        effect = (target != current ? target->OnDragEnter(wnd, &data, 0, at) : target->OnDragOver(wnd, &data, 0, at));
        effect &= allowed;
        current = target;
        currentWindow = window;
    }
    if (!current)
        return DROPEFFECT_NONE;
    CWnd* wnd = CWnd::FromHandle(currentWindow);
    if (script->drop && effect != DROPEFFECT_NONE && current->OnDrop(wnd, &data, effect, at))
        return effect;
    current->OnDragLeave(wnd);
    return DROPEFFECT_NONE;
}
