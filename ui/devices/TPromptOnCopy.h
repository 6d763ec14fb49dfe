#pragma once
// The preset and platform dialogs' prompt: the record is copied in, edited in the dialog and
// copied back only when the user ends with OK.
#include "win32/Messages.h"

template <class TDialog, class TRecord>
bool PromptOnCopy(TRecord& record)
{
    TDialog dialog(nullptr);
    dialog.GetTargetConversion() = record;
    if (dialog.DoModal() != IDOK) return false;
    record = dialog.GetTargetConversion();
    return true;
}
