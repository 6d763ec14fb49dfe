#pragma once
// The IP address control: four fields, each blank or a number in its range; a user's entry
// is announced per field (IPN_FIELDCHANGED, which the parent may adjust) and as EN_CHANGE.
#include "win32/controls/CtlModel.h"

#include <array>
#include <string>

class CtlIpAddress : public CtlModel {
public:
    explicit CtlIpAddress(DWORD style = 0);

    // -1 for a blank field.
    int Field(int index) const { return m_fields[static_cast<size_t>(index)]; }
    std::string Text() const;
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

    // Typing a field's text (digits; anything else leaves it blank).
    void UserSetField(int field, const std::string& text);
    // The field keys go to, and the digits typed into it so far.
    int FocusField() const { return m_focus; }

private:
    // Ends typing in the focused field: its digits become its value.
    void CommitTyping();
    void TypeChar(char16_t c);
    std::array<int, 4> m_fields;
    std::array<std::pair<int, int>, 4> m_ranges;
    int m_focus = 0;
    std::string m_typing;
    bool m_typed = false;
};
