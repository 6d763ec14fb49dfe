#pragma once
// The rich-text edit with style operations on the selection (alsoDefault also changes the
// default character format) and whole-content streaming to and from byte handles.
#include "afx/controls/CRichEditCtrl.h"

class CHandle;
struct LOGFONTA;

class CStyledEdit : public CRichEditCtrl {
public:
    static constexpr long kTextLimit = 16777216;

    CStyledEdit() = default;

    // A border asked for becomes the sunken client edge.
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    void SetFont(const LOGFONTA* font, bool alsoDefault = false);
    // True, with both filled in, only when they are the same over the whole selection.
    bool GetFont(CString& name, BYTE& charSet) const;
    void SetSize(int points, bool alsoDefault = false);
    int GetSize() const;
    void SetBold(bool on, bool alsoDefault = false);
    void SetItalic(bool on, bool alsoDefault = false);
    void SetUnderline(bool on, bool alsoDefault = false);
    bool GetBold() const;
    bool GetItalic() const;
    bool GetUnderline() const;

    void SetLeftAlign(bool = true) { SetAlignment(PFA_LEFT); }
    void SetCenterAlign(bool = true) { SetAlignment(PFA_CENTER); }
    void SetRightAlign(bool = true) { SetAlignment(PFA_RIGHT); }
    bool GetLeftAlign() const { return GetAlignment() == PFA_LEFT; }
    bool GetCenterAlign() const { return GetAlignment() == PFA_CENTER; }
    bool GetRightAlign() const { return GetAlignment() == PFA_RIGHT; }
    void SetAlignment(WORD alignment);
    WORD GetAlignment() const;

    // Replaces the content: rich text when the bytes begin with "{\rtf", else plain text.
    bool SetData(const CHandle* data);
    bool AppendData(const CHandle* data, bool rtf);
    bool GetData(CHandle* data, bool rtf) const;
    bool SetText(const char* text);
    void GetText(CString& text) const;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    DECLARE_MESSAGE_MAP()

private:
    void ApplyCharFormat(CHARFORMAT& format, bool alsoDefault);
    void SetEffect(DWORD effect, bool on, bool alsoDefault);
    bool HasEffect(DWORD effect) const;
    bool StreamIn(const CHandle* data, int format);
};
