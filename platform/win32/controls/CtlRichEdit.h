#pragma once
// The rich edit control: the edit control with character and paragraph formats, an event
// mask, multi-level undo and redo, rich-text clipboard, and plain-text and RTF streaming.
#include "win32/controls/CtlEdit.h"
#include "win32/controls/RichEdit.h"

class CtlRichEdit : public CtlEdit {
public:
    explicit CtlRichEdit(DWORD style = 0);

    DWORD EventMask() const { return m_eventMask; }
    COLORREF Background() const { return m_background; }
    bool SelectionHidden() const { return m_hideSelection; }

    // Stream formats and the limit on what one stream-in may deliver.
    static constexpr size_t kMaxStreamBytes = size_t{128} << 20;

protected:
    LRESULT HandleEdit(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
    void TextChanged() override;
    void SelectionChanged() override;
    void CopySelection() override;
    void PasteClipboard() override;

private:
    LRESULT StreamIn(WPARAM format, EDITSTREAM* stream);
    LRESULT StreamOut(WPARAM format, EDITSTREAM* stream);
    // Replaces the selection (or everything) by data read as rich or plain text.
    LONG Load(const std::string& data, WPARAM format, bool selection);
    LRESULT GetTextEx(const GETTEXTEX* info, LPARAM buffer);
    LRESULT GetTextLengthEx(const GETTEXTLENGTHEX* info);

    DWORD m_eventMask = 0;
    COLORREF m_background = 0xFFFFFFFF;
    bool m_hideSelection = false;
};
