#pragma once
// The edit control: single- or multi-line text with selection, one undo level, read-only,
// limit, clipboard and EN_ notices. The rich edit builds on it.
#include "win32/controls/CtlModel.h"
#include "win32/controls/CtlTextModel.h"

#include <functional>
#include <string>

class CtlEdit : public CtlModel {
public:
    explicit CtlEdit(DWORD style = 0, bool rich = false);

    CtlTextModel& Doc() { return m_doc; }
    const CtlTextModel& Doc() const { return m_doc; }
    std::string GetText() const;
    bool IsReadOnly() const;
    bool IsRich() const { return m_rich; }

    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

    // What a user does; each is refused as the control refuses the keys (read-only, disabled,
    // limit, digits-only) and notifies as the keys do.
    void UserType(std::u16string_view text);
    void UserType(std::string_view utf8);
    void UserBackspace();
    void UserDelete();
    void UserSelect(LONG anchor, LONG caret);
    void UserCut();
    void UserCopy();
    void UserPaste();
    void UserUndo();
    // A key filter ahead of the control's own key handling (an in-place label box ends on
    // Enter and Escape); answering true swallows the key.
    void SetKeyHook(std::function<bool(UINT key)> hook) { m_keyHook = std::move(hook); }

    // Headless text metrics: fixed-width characters, one line a row, no scrolling.
    static constexpr int kCharWidth = 7;
    static constexpr int kLineHeight = 16;
    static constexpr int kMargin = 2;
    LONG CharFromPoint(POINT point) const;
    POINT PointFromChar(LONG position) const;

protected:
    virtual LRESULT HandleEdit(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    // Notices after a message changed the text or the selection.
    virtual void TextChanged();
    virtual void SelectionChanged() {}
    // The text as WM_GETTEXT gives it (UTF-8; a rich edit's paragraph ends as "\r\n").
    std::string ExportText(LONG start, LONG end, bool crlf) const;
    bool Insert(std::u16string_view text, bool undoable, bool typing = false);
    virtual void CopySelection();
    virtual void PasteClipboard();
    void SetReadOnly(bool on);
    std::u16string LineBreak() const { return m_rich ? u"\r" : u"\r\n"; }
    LONG LineStart(LONG line) const;
    LONG LineOf(LONG position) const;
    LONG LineEnd(LONG start) const;

private:
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    void AfterChange();

    void SelectWordAt(LONG position);
    LRESULT KeyDown(UINT key, bool& handled);

    CtlTextModel m_doc;
    bool m_mouseSelecting = false;
    std::function<bool(UINT)> m_keyHook;
    bool m_rich;
    char16_t m_passwordChar = 0;
    uint64_t m_notifiedRevision = 0;
    LONG m_notifiedStart = 0;
    LONG m_notifiedEnd = 0;
    uint64_t m_seenSerial = 0;
};
