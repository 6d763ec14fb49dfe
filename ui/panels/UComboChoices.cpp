#include "UComboChoices.h"

#include "afx/controls/CComboBox.h"

#include <cstring>

void UComboChoices::Clear(CComboBox* combo)
{
    if (combo) combo->ResetContent();
}

void UComboChoices::Add(CComboBox* combo, const char* text)
{
    if (combo) combo->AddString(text ? text : "");
}

int UComboChoices::FindExact(CComboBox* combo, const char* text)
{
    if (!combo || !text) return -1;
    CString item;
    for (int i = 0; i < combo->GetCount(); ++i) {
        combo->GetLBText(i, item);
        if (item == text) return i;
    }
    return -1;
}

bool UComboChoices::SelectExact(CComboBox* combo, const char* text)
{
    if (!combo) return false;
    const int index = text && *text ? FindExact(combo, text) : -1;
    combo->SetCurSel(index);
    return index >= 0;
}

void UComboChoices::SelectExactOrPrefix(CComboBox* combo, const char* text)
{
    if (!combo || SelectExact(combo, text) || !text || !*text) return;
    const size_t length = std::strlen(text);
    CString item;
    for (int i = 0; i < combo->GetCount(); ++i) {
        combo->GetLBText(i, item);
        if (std::strncmp(item, text, length) == 0) {
            combo->SetCurSel(i);
            return;
        }
    }
}

bool UComboChoices::GetSelectedText(CComboBox* combo, CString& text)
{
    text.Empty();
    if (!combo) return false;
    const int selected = combo->GetCurSel();
    if (selected < 0) return false;
    combo->GetLBText(selected, text);
    return true;
}
