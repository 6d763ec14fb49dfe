#pragma once
// What the tag tests stand on: the process's tag maps made (or taken away) for one test, and
// the controls of a page that sits inside a dialog, found by id.
#include "CTagMaps.h"
#include "win32/windowing/Window.h"

#include <memory>

class ScopedTagMaps {
public:
    // With or without the maps, whatever the process held before.
    explicit ScopedTagMaps(bool present = true) : m_old(CTagMaps::sMaps)
    {
        CTagMaps::sMaps = nullptr;
        if (present) {
            m_maps = std::make_unique<CTagMaps>();
            CTagMaps::sMaps = m_maps.get();
        }
    }
    ~ScopedTagMaps()
    {
        m_maps.reset();
        CTagMaps::sMaps = m_old;
    }
    ScopedTagMaps(const ScopedTagMaps&) = delete;
    ScopedTagMaps& operator=(const ScopedTagMaps&) = delete;

private:
    CTagMaps* m_old;
    std::unique_ptr<CTagMaps> m_maps;
};

// The first window under the root, at any depth, with that id; null when none.
inline HWND FindDescendant(HWND root, int id)
{
    for (HWND child = ::GetWindow(root, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (::GetDlgCtrlID(child) == id) return child;
        if (HWND found = FindDescendant(child, id)) return found;
    }
    return nullptr;
}

// The page window that holds the control with that id.
inline HWND PageHolding(HWND dialog, int id)
{
    HWND control = FindDescendant(dialog, id);
    return control ? ::GetParent(control) : nullptr;
}
