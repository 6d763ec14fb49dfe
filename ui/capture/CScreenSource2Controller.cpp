#include "CScreenSource2Controller.h"

#include "CEntryCombo.h"
#include "CEntryField.h"
#include "CWindowPicker.h"
#include "TListenedReference.h"
#include "UComboChoices.h"
#include "UStringBuffer.h"
#include "UValueTexts.h"
#include "UWindowsUtils.h"
#include "afx/controls/CButton.h"
#include "afx/controls/CStatic.h"
#include "win32/windowing/Window.h"

#include <cstdio>
#include <cstdlib>
#include <initializer_list>

namespace {
const MvValueText kCaptureTexts[] = {
    {CScreenSource2Controller::kScreen, "Screen"},
    {CScreenSource2Controller::kRegion, "Region"},
    {CScreenSource2Controller::kWindow, "Window"},
    {CScreenSource2Controller::kCursorArea, "Cursor Area"},
};
const double kFrameRates[] = {1, 2, 3, 4, 5, 8, 10, 12, 15};
constexpr int kMaxWindowTitle = 126;
constexpr long kMinEdge = 32;
constexpr long kMaxCoordinate = 65535;

// The field's text as a number inside [low, kMaxCoordinate]: the record keeps 16 bits.
unsigned short FieldValue(CEntryField* field, long low)
{
    CString text;
    field->GetWindowText(text);
    long value = std::strtol(text, nullptr, 10);
    if (value < low) value = low;
    if (value > kMaxCoordinate) value = kMaxCoordinate;
    return static_cast<unsigned short>(value);
}

void ShowAll(std::initializer_list<CWnd*> controls, bool show)
{
    for (CWnd* control : controls) UWindowsUtils::ShowWindow(control, show);
}
} // namespace

CScreenSource2Controller::CScreenSource2Controller()
{
    mExpectedType = FourCharCode("scc2");
}

CScreenSource2* CScreenSource2Controller::GetScreenSource() const
{
    return static_cast<CScreenSource2*>(GetObjectA());
}

void CScreenSource2Controller::SetControls(CComboBox* capture, CEntryField* x, CEntryField* y, CEntryField* width,
                                           CEntryField* height, CEntryCombo* frameRate, CButton* pick,
                                           CWindowPicker* picker, CStatic* window, CButton* captureCursor)
{
    m_capture = capture;
    RetargetListenedReference(*this, m_x, x);
    RetargetListenedReference(*this, m_y, y);
    RetargetListenedReference(*this, m_width, width);
    RetargetListenedReference(*this, m_height, height);
    RetargetListenedReference(*this, m_frameRate, frameRate);
    m_pick = pick;
    RetargetListenedReference(*this, m_picker, picker);
    m_window = window;
    m_captureCursor = captureCursor;
}

void CScreenSource2Controller::SetStatics(CStatic* xLabel, CStatic* yLabel, CStatic* widthLabel, CStatic* heightLabel)
{
    m_xLabel = xLabel;
    m_yLabel = yLabel;
    m_widthLabel = widthLabel;
    m_heightLabel = heightLabel;
}

CString CScreenSource2Controller::GetCaptureText(EScreenCaptureKind capture)
{
    return UValueTexts::TextOf(kCaptureTexts, capture);
}

EScreenCaptureKind CScreenSource2Controller::GetCapture(const char* text)
{
    return UValueTexts::ValueOf(kCaptureTexts, text);
}

CString CScreenSource2Controller::GetFrameRateText(double rate)
{
    char text[48];
    std::snprintf(text, sizeof text, "%.2f", rate);
    return text;
}

double CScreenSource2Controller::GetFrameRate(const char* text)
{
    if (!text) return 0;
    char* end = nullptr;
    const double rate = std::strtod(text, &end);
    return end == text ? 0 : rate;
}

void CScreenSource2Controller::PopulateCaptureCombo()
{
    UValueTexts::Populate(m_capture, kCaptureTexts);
}

void CScreenSource2Controller::PopulateFrameRateCombo()
{
    if (!m_frameRate) return;
    UComboChoices::Clear(m_frameRate);
    for (double rate : kFrameRates) UComboChoices::Add(m_frameRate, GetFrameRateText(rate));
}

void CScreenSource2Controller::ReflectCapture()
{
    CScreenSource2* source = GetScreenSource();
    if (!source) return;
    const EScreenCaptureKind capture = source->GetCapture();
    UComboChoices::SelectExact(m_capture, GetCaptureText(capture));
    const bool fields = capture == kRegion || capture == kCursorArea;
    ShowAll({m_x, m_y, m_width, m_height, m_xLabel, m_yLabel, m_widthLabel, m_heightLabel}, fields);
    UWindowsUtils::EnableWindow(m_x, capture == kRegion);
    UWindowsUtils::EnableWindow(m_y, capture == kRegion);
    UWindowsUtils::ShowWindow(m_pick, capture == kRegion);
    ShowAll({m_window, m_picker}, capture == kWindow);
}

void CScreenSource2Controller::ReflectX()
{
    if (GetScreenSource()) UWindowsUtils::SetWindowTextA(m_x, GetScreenSource()->GetX());
}

void CScreenSource2Controller::ReflectY()
{
    if (GetScreenSource()) UWindowsUtils::SetWindowTextA(m_y, GetScreenSource()->GetY());
}

void CScreenSource2Controller::ReflectWidth()
{
    if (GetScreenSource()) UWindowsUtils::SetWindowTextA(m_width, GetScreenSource()->GetWidth());
}

void CScreenSource2Controller::ReflectHeight()
{
    if (GetScreenSource()) UWindowsUtils::SetWindowTextA(m_height, GetScreenSource()->GetHeight());
}

void CScreenSource2Controller::ReflectFrameRate()
{
    if (!GetScreenSource() || !m_frameRate) return;
    const CString text = GetFrameRateText(GetScreenSource()->GetFrameRate());
    if (!UComboChoices::SelectExact(m_frameRate, text)) m_frameRate->SetWindowText(text);
}

void CScreenSource2Controller::ReflectWindow()
{
    if (!GetScreenSource() || !m_window) return;
    HWND window = GetScreenSource()->GetWindow();
    CString text = "No window selected";
    if (window && ::IsWindowVisible(window)) {
        char title[kMaxWindowTitle + 1] = {};
        ::GetWindowTextA(window, title, sizeof title);
        text = title[0] ? CString(title) : CString("Unnamed window selected");
    }
    UWindowsUtils::SetWindowTextA(m_window, text);
}

void CScreenSource2Controller::ReflectCaptureCursor()
{
    if (GetScreenSource()) UWindowsUtils::SetCheck(m_captureCursor, GetScreenSource()->GetCaptureCursor());
}

void CScreenSource2Controller::EnterCapture()
{
    CString text;
    if (!GetScreenSource() || !UComboChoices::GetSelectedText(m_capture, text)) return;
    if (!GetScreenSource()->SetCapture(GetCapture(text))) ReflectCapture();
}

void CScreenSource2Controller::EnterX()
{
    if (GetScreenSource() && m_x && !GetScreenSource()->SetX(FieldValue(m_x, 0))) ReflectX();
}

void CScreenSource2Controller::EnterY()
{
    if (GetScreenSource() && m_y && !GetScreenSource()->SetY(FieldValue(m_y, 0))) ReflectY();
}

void CScreenSource2Controller::EnterWidth()
{
    if (GetScreenSource() && m_width && !GetScreenSource()->SetWidth(FieldValue(m_width, kMinEdge))) ReflectWidth();
}

void CScreenSource2Controller::EnterHeight()
{
    if (GetScreenSource() && m_height && !GetScreenSource()->SetHeight(FieldValue(m_height, kMinEdge)))
        ReflectHeight();
}

void CScreenSource2Controller::EnterFrameRateText(const CString& text)
{
    const double rate = GetFrameRate(text);
    // A text that is no rate would record no frames at all: the stored rate is shown again.
    if (!(rate > 0) || !GetScreenSource()->SetFrameRate(rate)) ReflectFrameRate();
}

void CScreenSource2Controller::EnterFrameRate()
{
    CString text;
    if (GetScreenSource() && UComboChoices::GetSelectedText(m_frameRate, text)) EnterFrameRateText(text);
}

void CScreenSource2Controller::EnterFrameRateByEditing()
{
    if (!GetScreenSource() || !m_frameRate) return;
    CString text;
    m_frameRate->GetWindowText(text);
    EnterFrameRateText(text);
}

void CScreenSource2Controller::EnterCaptureCursor()
{
    if (GetScreenSource() && m_captureCursor &&
        !GetScreenSource()->SetCaptureCursor(UWindowsUtils::GetCheck(m_captureCursor)))
        ReflectCaptureCursor();
}

void CScreenSource2Controller::Refresh()
{
    PopulateCaptureCombo();
    ReflectCapture();
    ReflectX();
    ReflectY();
    ReflectWidth();
    ReflectHeight();
    PopulateFrameRateCombo();
    ReflectFrameRate();
    ReflectWindow();
    ReflectCaptureCursor();
}

char* CScreenSource2Controller::GetText()
{
    CScreenSource2* source = GetScreenSource();
    if (!source) return UStringBuffer::Text("");
    char text[400] = "";
    switch (source->GetCapture()) {
    case kScreen: std::snprintf(text, sizeof text, "Screen"); break;
    case kRegion:
        std::snprintf(text, sizeof text, "Region - (%d, %d, %d, %d)", source->GetX(), source->GetY(),
                      source->GetX() + source->GetWidth(), source->GetY() + source->GetHeight());
        break;
    case kWindow: {
        CString label;
        if (m_window) m_window->GetWindowText(label);
        std::snprintf(text, sizeof text, "Window - %s", static_cast<const char*>(label));
        break;
    }
    case kCursorArea: std::snprintf(text, sizeof text, "Cursor - %d x %d", source->GetWidth(), source->GetHeight()); break;
    default: break;
    }
    return UStringBuffer::Text(text);
}

bool CScreenSource2Controller::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case CScreenSource2::kCaptureChangedNotice: ReflectCapture(); return true;
    case CScreenSource2::kXChangedNotice: ReflectX(); return true;
    case CScreenSource2::kYChangedNotice: ReflectY(); return true;
    case CScreenSource2::kWidthChangedNotice: ReflectWidth(); return true;
    case CScreenSource2::kHeightChangedNotice: ReflectHeight(); return true;
    case CScreenSource2::kFrameRateChangedNotice: ReflectFrameRate(); return true;
    case CScreenSource2::kCaptureCursorChangedNotice: ReflectCaptureCursor(); return true;
    case CScreenSource2::kWindowChangedNotice: ReflectWindow(); return true;
    default: return CObjectController2::Respond(code, sender, a, b);
    }
}

void CScreenSource2Controller::ForgetControl(const void* dying)
{
    ForgetDyingReference(m_x, dying);
    ForgetDyingReference(m_y, dying);
    ForgetDyingReference(m_width, dying);
    ForgetDyingReference(m_height, dying);
    ForgetDyingReference(m_frameRate, dying);
    ForgetDyingReference(m_picker, dying);
}

bool CScreenSource2Controller::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kEntryFieldCommittedMessage) {
        const struct {
            const void* field;
            void (CScreenSource2Controller::*enter)();
        } fields[] = {{m_x ? m_x->Identity() : nullptr, &CScreenSource2Controller::EnterX},
                      {m_y ? m_y->Identity() : nullptr, &CScreenSource2Controller::EnterY},
                      {m_width ? m_width->Identity() : nullptr, &CScreenSource2Controller::EnterWidth},
                      {m_height ? m_height->Identity() : nullptr, &CScreenSource2Controller::EnterHeight},
                      {m_frameRate ? m_frameRate->Identity() : nullptr,
                       &CScreenSource2Controller::EnterFrameRateByEditing}};
        for (const auto& entry : fields)
            if (entry.field && p == entry.field) {
                (this->*entry.enter)();
                return true;
            }
    }
    if (message == kWindowPickedMessage && m_picker && p == static_cast<const void*>(m_picker)) {
        if (GetScreenSource()) GetScreenSource()->SetWindow(m_picker->GetWindow());
        return true;
    }
    if (message == kBroadcasterDyingMessage) ForgetControl(p);
    return CObjectController2::ListenToMessage(message, p, q);
}
