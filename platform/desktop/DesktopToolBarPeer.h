#pragma once
// A frame's tool bar: a button per command with its state, and the command's prompt as
// its tool tip; a click presses the model's button.
#include "desktop/DesktopPeer.h"

#include <tuple>
#include <vector>

class CToolBar;
class QToolBar;

class DesktopToolBarPeer : public DesktopPeer {
public:
    DesktopToolBarPeer(HWND hwnd, CToolBar* bar);
    QToolBar* Bar() const;
    void SyncState() override;

private:
    CToolBar* Model() const;
    // The buttons shown, as (index, command, separator): a change of state alone keeps them,
    // so the bar's widgets (and what the accessibility bus sees of them) stay the same.
    std::vector<std::tuple<int, unsigned, bool>> m_shown;
};
