#include "UListTexts.h"

CString UListTexts::GetStatusText(LONG status, const char* cancelled)
{
    switch (status) {
    case 0: return "Ready";
    case 1: return "Converting";
    case 2: return "Converted";
    case 3: return cancelled;
    case 4: return "Error";
    default: return "-";
    }
}

CString UListTexts::GetSizeText(ULONG size)
{
    CString text("-");
    if (size != 0) text.Format("%d KB", static_cast<int>(size));
    return text;
}
