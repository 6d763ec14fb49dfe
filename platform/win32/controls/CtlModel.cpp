#include "win32/controls/CtlModel.h"
#include "win32/controls/CtlBusy.h"
#include "win32/controls/CtlMessages.h"

#include <algorithm>

void CtlModel::Attach(CtlHost* host, HWND window, UINT id)
{
    m_host = host;
    m_window = window;
    m_id = id;
}

LRESULT CtlModel::Send(UINT message, WPARAM wParam, LPARAM lParam)
{
    CtlBusy busy;
    bool handled = true;
    return Handle(message, wParam, lParam, handled);
}

int CtlModel::Watch(std::function<void()> observer)
{
    m_observers.emplace_back(m_nextCookie, std::move(observer));
    return m_nextCookie++;
}

void CtlModel::Unwatch(int cookie)
{
    std::erase_if(m_observers, [cookie](const auto& entry) { return entry.first == cookie; });
}

void CtlModel::Changed()
{
    if (m_host) m_host->Invalidate();
    // An observer may unwatch while being told.
    auto observers = m_observers;
    for (auto& entry : observers)
        entry.second();
}

LRESULT CtlModel::ToParent(UINT message, WPARAM wParam, LPARAM lParam)
{
    return m_host ? m_host->SendToParent(message, wParam, lParam) : 0;
}

LRESULT CtlModel::Command(int code)
{
    return ToParent(WM_COMMAND, MAKEWPARAM(m_id, static_cast<WORD>(code)), reinterpret_cast<LPARAM>(m_window));
}

LRESULT CtlModel::Notify(NMHDR& header, UINT code)
{
    header.hwndFrom = m_window;
    header.idFrom = m_id;
    header.code = code;
    return ToParent(WM_NOTIFY, m_id, reinterpret_cast<LPARAM>(&header));
}

LRESULT CtlModel::DrawOwnerItem(UINT type, UINT item, UINT state, HDC dc, RECT rect, DWORD_PTR data)
{
    DRAWITEMSTRUCT draw{type, m_id, item, ODA_DRAWENTIRE, state | (IsEnabled() ? 0u : ODS_DISABLED), m_window, dc, rect, data};
    return ToParent(WM_DRAWITEM, m_id, reinterpret_cast<LPARAM>(&draw));
}
