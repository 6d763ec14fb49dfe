#pragma once
// The in-place edit box of a list or tree view label: an edit child over the label that
// ends with Enter (commit), Escape (cancel) or the loss of the focus (commit).
#include "win32/Messages.h"

#include <functional>
#include <string>

class CtlLabelEditor {
public:
    using Done = std::function<void(bool commit, const std::string& text)>;

    CtlLabelEditor() = default;
    CtlLabelEditor(const CtlLabelEditor&) = delete;
    CtlLabelEditor& operator=(const CtlLabelEditor&) = delete;

    // Opens the box in `parent` over rect with the text selected and the focus; false without a window.
    bool Start(HWND parent, RECT rect, const std::string& text, Done done);
    void End(bool commit);
    HWND Edit() const { return m_edit; }
    // The owning control hands it the WM_COMMAND notices it receives; true when they were the box's.
    bool Command(WPARAM wParam, LPARAM lParam);

private:
    HWND m_edit = nullptr;
    Done m_done;
};
