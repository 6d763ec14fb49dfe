#include "win32/controls/CtlLabelEditor.h"
#include "win32/controls/CtlEdit.h"
#include "win32/controls/CtlMessages.h"
#include "win32/controls/CtlWindow.h"
#include "win32/windowing/Window.h"

bool CtlLabelEditor::Start(HWND parent, RECT rect, const std::string& text, Done done)
{
    End(true);
    if (!parent || !IsWindow(parent)) return false;
    HWND edit = CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, rect.left, rect.top,
                                rect.right - rect.left, rect.bottom - rect.top, parent, nullptr, nullptr, nullptr);
    auto* model = CtlModelAs<CtlEdit>(edit);
    if (!model) return false;
    m_edit = edit;
    m_done = std::move(done);
    model->Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    model->Send(EM_SETSEL, 0, -1);
    model->SetKeyHook([this](UINT key) {
        if (key != VK_RETURN && key != VK_ESCAPE) return false;
        End(key == VK_RETURN);
        return true;
    });
    SetFocus(edit);
    return true;
}

void CtlLabelEditor::End(bool commit)
{
    if (!m_edit) return;
    HWND edit = m_edit;
    m_edit = nullptr;
    Done done = std::move(m_done);
    auto* model = CtlModelAs<CtlEdit>(edit);
    std::string text = model ? model->GetText() : std::string();
    if (model) model->SetKeyHook(nullptr);
    if (IsWindow(edit)) DestroyWindow(edit);
    if (done) done(commit, text);
}

bool CtlLabelEditor::Command(WPARAM wParam, LPARAM lParam)
{
    if (!m_edit || reinterpret_cast<HWND>(lParam) != m_edit) return false;
    if (HIWORD(wParam) == EN_KILLFOCUS) End(true);
    return true;
}
