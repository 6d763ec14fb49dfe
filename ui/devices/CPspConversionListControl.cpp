#include "CPspConversionListControl.h"

#include "CMediaFile2.h"
#include "UListTexts.h"

#include "win32/controls/CommCtrl.h"

namespace {
constexpr int kStatusColumn = 5;
constexpr LONG kFailed = 4;
} // namespace

CPspConversionListControl::CPspConversionListControl() : CMediaConversionListControl(false, true, true) {}

void CPspConversionListControl::CreateListHeaders()
{
    InsertColumn(0, "Original file", LVCFMT_LEFT, 160);
    InsertColumn(1, "Duration", LVCFMT_RIGHT, 80);
    InsertColumn(2, "Video", LVCFMT_RIGHT, 100);
    InsertColumn(3, "Audio", LVCFMT_RIGHT, 100);
    InsertColumn(4, "Save to", LVCFMT_LEFT, 160);
    InsertColumn(kStatusColumn, "Status", LVCFMT_RIGHT, 80);
}

CString CPspConversionListControl::GetObjectText(CPersistObject* object, int column, bool full)
{
    CMediaFile2* input = GetFileOf(object);
    if (!input) return "-";
    if (column >= 0 && column < kStatusColumn) return CMediaConversionListControl::GetObjectText(object, column, full);
    if (column != kStatusColumn) return "Error";
    // This queue names no failure: a failed conversion shows "-" like any unknown status.
    const LONG status = input->GetStatus();
    return status == kFailed ? CString("-") : UListTexts::GetStatusText(status, UListTexts::kCanceled);
}
