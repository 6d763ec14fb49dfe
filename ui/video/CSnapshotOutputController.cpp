#include "CSnapshotOutputController.h"

#include "CEntryField.h"
#include "CSnapshotOutput.h"
#include "TListenedReference.h"
#include "UComboChoices.h"
#include "UStringBuffer.h"
#include "UValueTexts.h"
#include "UWindowsUtils.h"
#include "afx/controls/CButton.h"
#include "afx/controls/CComboBox.h"
#include "afx/controls/CStatic.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr EFrameCapture kCapture = 2;
const MvValueText kImageTypes[] = {{1001, "GIF"}, {1002, "JPG"}, {1000, "BMP"}};

int PerCent(double position)
{
    return static_cast<int>(position * 100 + 0.5);
}

int FieldNumber(CEntryField* field)
{
    CString text;
    field->GetWindowText(text);
    return std::atoi(text);
}

} // namespace

CSnapshotOutputController::CSnapshotOutputController()
{
    mExpectedType = FourCharCode("snap");
}

CSnapshotOutputController::~CSnapshotOutputController()
{
    RetargetListenedReference<CEntryField>(*this, m_position, nullptr);
    RetargetListenedReference<CEntryField>(*this, m_width, nullptr);
    RetargetListenedReference<CEntryField>(*this, m_height, nullptr);
}

CSnapshotOutput* CSnapshotOutputController::GetSnapshotOutput() const
{
    return static_cast<CSnapshotOutput*>(GetObjectA());
}

void CSnapshotOutputController::SetControls(CButton* saveThumbnails, CComboBox* format, CEntryField* position,
                                            CButton* resize, CEntryField* width, CEntryField* height)
{
    m_saveThumbnails = saveThumbnails;
    m_format = format;
    RetargetListenedReference(*this, m_position, position);
    m_resize = resize;
    RetargetListenedReference(*this, m_width, width);
    RetargetListenedReference(*this, m_height, height);
}

void CSnapshotOutputController::SetStatics(CStatic* formatLabel, CStatic* positionLabel, CStatic* percentLabel,
                                           CStatic* widthLabel, CStatic* heightLabel)
{
    m_formatLabel = formatLabel;
    m_positionLabel = positionLabel;
    m_percentLabel = percentLabel;
    m_widthLabel = widthLabel;
    m_heightLabel = heightLabel;
}

bool CSnapshotOutputController::ShowCaptureOptions() const
{
    return GetSnapshotOutput() && GetSnapshotOutput()->GetFrameCapture() == kCapture;
}

bool CSnapshotOutputController::ShowSizingOptions() const
{
    return ShowCaptureOptions() && GetSnapshotOutput()->GetResize();
}

void CSnapshotOutputController::PopulateImageTypeCombo()
{
    if (GetSnapshotOutput()) UValueTexts::Populate(m_format, kImageTypes);
}

void CSnapshotOutputController::ShowSizing()
{
    const bool sizing = ShowSizingOptions();
    UWindowsUtils::ShowWindow(m_widthLabel, sizing);
    UWindowsUtils::ShowWindow(m_width, sizing);
    UWindowsUtils::ShowWindow(m_heightLabel, sizing);
    UWindowsUtils::ShowWindow(m_height, sizing);
}

void CSnapshotOutputController::ReflectFrameCapture()
{
    if (!GetSnapshotOutput()) return;
    UWindowsUtils::SetCheck(m_saveThumbnails, GetSnapshotOutput()->GetFrameCapture() == kCapture);
    const bool capture = ShowCaptureOptions();
    for (CWnd* control : {static_cast<CWnd*>(m_formatLabel), static_cast<CWnd*>(m_format),
                          static_cast<CWnd*>(m_positionLabel), static_cast<CWnd*>(m_percentLabel),
                          static_cast<CWnd*>(m_position), static_cast<CWnd*>(m_resize)})
        UWindowsUtils::ShowWindow(control, capture);
    ShowSizing();
}

void CSnapshotOutputController::ReflectImageType()
{
    if (!GetSnapshotOutput()) return;
    const CString text = UValueTexts::TextOf(kImageTypes, GetSnapshotOutput()->GetImageType());
    if (!text.IsEmpty()) UComboChoices::SelectExact(m_format, text);
}

void CSnapshotOutputController::ReflectPosition()
{
    if (GetSnapshotOutput())
        UWindowsUtils::SetWindowTextA(m_position, PerCent(GetSnapshotOutput()->GetCapturePosition()));
}

void CSnapshotOutputController::ReflectResize()
{
    if (!GetSnapshotOutput()) return;
    UWindowsUtils::SetCheck(m_resize, GetSnapshotOutput()->GetResize());
    ShowSizing();
}

void CSnapshotOutputController::ReflectWidth()
{
    if (GetSnapshotOutput()) UWindowsUtils::SetWindowTextA(m_width, static_cast<int>(GetSnapshotOutput()->GetWidth()));
}

void CSnapshotOutputController::ReflectHeight()
{
    if (GetSnapshotOutput())
        UWindowsUtils::SetWindowTextA(m_height, static_cast<int>(GetSnapshotOutput()->GetHeight()));
}

void CSnapshotOutputController::EnterFrameCapture()
{
    if (!GetSnapshotOutput() || !m_saveThumbnails) return;
    GetSnapshotOutput()->SetFrameCapture(UWindowsUtils::GetCheck(m_saveThumbnails) ? kCapture : 0);
}

void CSnapshotOutputController::EnterResize()
{
    if (GetSnapshotOutput() && m_resize) GetSnapshotOutput()->SetResize(UWindowsUtils::GetCheck(m_resize));
}

void CSnapshotOutputController::EnterImageType()
{
    if (!GetSnapshotOutput()) return;
    CString text;
    const bool selected = UComboChoices::GetSelectedText(m_format, text);
    EImageType type = 0;
    for (const MvValueText& entry : kImageTypes)
        if (text == entry.text) type = entry.value;
    if (!selected || type == 0 || !GetSnapshotOutput()->SetImageType(type)) ReflectImageType();
}

void CSnapshotOutputController::EnterPosition()
{
    if (GetSnapshotOutput() && m_position) GetSnapshotOutput()->SetCapturePosition(FieldNumber(m_position) * 0.01);
}

void CSnapshotOutputController::EnterWidth()
{
    if (GetSnapshotOutput() && m_width)
        GetSnapshotOutput()->SetWidth(static_cast<unsigned short>(FieldNumber(m_width)));
}

void CSnapshotOutputController::EnterHeight()
{
    if (GetSnapshotOutput() && m_height)
        GetSnapshotOutput()->SetHeight(static_cast<unsigned short>(FieldNumber(m_height)));
}

void CSnapshotOutputController::Refresh()
{
    ReflectFrameCapture();
    PopulateImageTypeCombo();
    ReflectImageType();
    ReflectPosition();
    ReflectResize();
    ReflectWidth();
    ReflectHeight();
}

char* CSnapshotOutputController::GetText()
{
    CSnapshotOutput* output = GetSnapshotOutput();
    if (!output) return UStringBuffer::Text("");
    if (output->GetFrameCapture() == 0) return UStringBuffer::Text("Do not capture thumbnail");
    char text[80];
    std::snprintf(text, sizeof text, "Capture thumbnail at position %d%%", PerCent(output->GetCapturePosition()));
    return UStringBuffer::Text(text);
}

bool CSnapshotOutputController::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case CSnapshotOutput::kFrameCaptureChangedNotice: ReflectFrameCapture(); return true;
    case CSnapshotOutput::kImageTypeChangedNotice: ReflectImageType(); return true;
    case CSnapshotOutput::kCapturePositionChangedNotice: ReflectPosition(); return true;
    case CSnapshotOutput::kResizeChangedNotice: ReflectResize(); return true;
    case CSnapshotOutput::kWidthChangedNotice: ReflectWidth(); return true;
    case CSnapshotOutput::kHeightChangedNotice: ReflectHeight(); return true;
    default: return CObjectController2::Respond(code, sender, a, b);
    }
}

bool CSnapshotOutputController::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kEntryFieldCommittedMessage) {
        if (m_position && p == m_position->Identity()) {
            EnterPosition();
            return true;
        }
        if (m_width && p == m_width->Identity()) {
            EnterWidth();
            return true;
        }
        if (m_height && p == m_height->Identity()) {
            EnterHeight();
            return true;
        }
    }
    if (message == kBroadcasterDyingMessage) {
        ForgetDyingReference(m_position, p);
        ForgetDyingReference(m_width, p);
        ForgetDyingReference(m_height, p);
    }
    return CObjectController2::ListenToMessage(message, p, q);
}
