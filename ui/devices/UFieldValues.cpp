#include "UFieldValues.h"

#include "UWindowsUtils.h"
#include "afx/windows/CWnd.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

CString UFieldValues::GetText(CWnd* window)
{
    CString text;
    if (window) window->GetWindowText(text);
    return text;
}

ULONG UFieldValues::GetNumber(CWnd* window, ULONG maximum)
{
    // A minus sign or a number beyond the property's width would wrap round into another value.
    const long long number = std::atoll(GetText(window));
    return static_cast<ULONG>(std::clamp<long long>(number, 0, maximum));
}

void UFieldValues::SetNumber(CWnd* window, ULONG number)
{
    char text[16];
    std::snprintf(text, sizeof text, "%lu", static_cast<unsigned long>(number));
    UWindowsUtils::SetWindowTextA(window, text);
}
