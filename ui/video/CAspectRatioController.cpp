#include "CAspectRatioController.h"

#include "CAspectRatioInfo2.h"
#include "CEntryCombo.h"
#include "TListenedReference.h"
#include "UComboChoices.h"
#include "UStringBuffer.h"

#include <cstdio>
#include <cstdlib>

namespace {

struct NamedRatio {
    double ratio;
    const char* text;
};

const NamedRatio kNamedRatios[] = {
    {4.0 / 3.0, "4 x 3 - TV"},
    {16.0 / 9.0, "16 x 9 - Wide"},
    {2.11, "2.11"},
    {2.35, "2.35"},
};

const char* const kScaleToFitText = "Scale to Fit";
const char* const kLetterboxText = "Letterbox";
const char* const kPanScanText = "Pan & Scan";
const char* const kPillarboxText = "Pillarbox";
const char* const kTiltScanText = "Tilt & Scan";

double RatioOfText(const char* text)
{
    for (const NamedRatio& named : kNamedRatios)
        if (CString(text) == named.text) return named.ratio;
    return std::atof(text);
}

} // namespace

CAspectRatioController::CAspectRatioController()
{
    mExpectedType = FourCharCode("aspr");
}

CAspectRatioController::~CAspectRatioController()
{
    RetargetListenedReference<CEntryCombo>(*this, m_input, nullptr);
    RetargetListenedReference<CEntryCombo>(*this, m_output, nullptr);
}

CAspectRatioInfo2* CAspectRatioController::GetAspectRatioInfo() const
{
    return static_cast<CAspectRatioInfo2*>(GetObjectA());
}

void CAspectRatioController::SetControls(CEntryCombo* input, CEntryCombo* output, CComboBox* scaling)
{
    RetargetListenedReference(*this, m_input, input);
    RetargetListenedReference(*this, m_output, output);
    m_scaling = scaling;
}

void CAspectRatioController::PopulateAspectRatioCombo(CComboBox* combo)
{
    if (!combo) return;
    UComboChoices::Clear(combo);
    for (const NamedRatio& named : kNamedRatios) UComboChoices::Add(combo, named.text);
}

void CAspectRatioController::PopulateInputCombo() { PopulateAspectRatioCombo(m_input); }
void CAspectRatioController::PopulateOutputCombo() { PopulateAspectRatioCombo(m_output); }

void CAspectRatioController::PopulateScalingCombo()
{
    if (!m_scaling) return;
    UComboChoices::Clear(m_scaling);
    UComboChoices::Add(m_scaling, kScaleToFitText);
    CAspectRatioInfo2* info = GetAspectRatioInfo();
    if (!info) return;
    if (info->GetOutput() < info->GetInput()) {
        UComboChoices::Add(m_scaling, kLetterboxText);
        UComboChoices::Add(m_scaling, kPanScanText);
    } else if (info->GetOutput() > info->GetInput()) {
        UComboChoices::Add(m_scaling, kPillarboxText);
        UComboChoices::Add(m_scaling, kTiltScanText);
    }
}

CString CAspectRatioController::GetAspectRatioText(double ratio)
{
    for (const NamedRatio& named : kNamedRatios)
        if (ratio == named.ratio) return named.text;
    char text[48];
    std::snprintf(text, sizeof text, "%.2f", ratio);
    return text;
}

CString CAspectRatioController::GetScalingText(TVideoScaling scaling) const
{
    CAspectRatioInfo2* info = GetAspectRatioInfo();
    const bool wider = info && info->GetOutput() >= info->GetInput();
    switch (scaling) {
    case 0: return kScaleToFitText;
    case 1: return wider ? kTiltScanText : kPanScanText;
    case 2: return wider ? kPillarboxText : kLetterboxText;
    default: return "";
    }
}

double CAspectRatioController::GetAspectRatio(CComboBox* combo)
{
    CString text;
    if (!combo || !UComboChoices::GetSelectedText(combo, text)) return 0;
    return RatioOfText(text);
}

double CAspectRatioController::GetAspectRatio(const char* text) { return RatioOfText(text ? text : ""); }

double CAspectRatioController::GetAspectRatioByEditing(CComboBox* combo)
{
    if (!combo) return 0;
    CString text;
    combo->GetWindowText(text);
    return RatioOfText(text);
}

void CAspectRatioController::ReflectAspectRatio(double ratio, CComboBox* combo)
{
    if (combo) {
        const CString text = GetAspectRatioText(ratio);
        if (!UComboChoices::SelectExact(combo, text)) combo->SetWindowText(text);
    }
    // The modes offered depend on both ratios.
    PopulateScalingCombo();
    ReflectScaling();
}

void CAspectRatioController::ReflectInput()
{
    if (CAspectRatioInfo2* info = GetAspectRatioInfo()) ReflectAspectRatio(info->GetInput(), m_input);
}

void CAspectRatioController::ReflectOutput()
{
    if (CAspectRatioInfo2* info = GetAspectRatioInfo()) ReflectAspectRatio(info->GetOutput(), m_output);
}

void CAspectRatioController::ReflectScaling()
{
    if (CAspectRatioInfo2* info = GetAspectRatioInfo())
        UComboChoices::SelectExact(m_scaling, GetScalingText(info->GetScaling()));
}

void CAspectRatioController::EnterInput()
{
    CAspectRatioInfo2* info = GetAspectRatioInfo();
    if (info && !info->SetInput(GetAspectRatio(m_input))) ReflectInput();
}

void CAspectRatioController::EnterInputByEditing()
{
    CAspectRatioInfo2* info = GetAspectRatioInfo();
    if (info && !info->SetInput(GetAspectRatioByEditing(m_input))) ReflectInput();
}

void CAspectRatioController::EnterOutput()
{
    CAspectRatioInfo2* info = GetAspectRatioInfo();
    if (info && !info->SetOutput(GetAspectRatio(m_output))) ReflectOutput();
}

void CAspectRatioController::EnterOutputByEditing()
{
    CAspectRatioInfo2* info = GetAspectRatioInfo();
    if (info && !info->SetOutput(GetAspectRatioByEditing(m_output))) ReflectOutput();
}

void CAspectRatioController::EnterScaling()
{
    CAspectRatioInfo2* info = GetAspectRatioInfo();
    if (!info) return;
    CString text;
    UComboChoices::GetSelectedText(m_scaling, text);
    for (TVideoScaling scaling : {TVideoScaling(0), TVideoScaling(2), TVideoScaling(1)}) {
        if (text != GetScalingText(scaling)) continue;
        if (!info->SetScaling(scaling)) ReflectScaling();
        return;
    }
    ReflectScaling();
}

void CAspectRatioController::ResetInput()
{
    if (CAspectRatioInfo2* info = GetAspectRatioInfo()) info->SetInput(info->GetOriginal());
}

void CAspectRatioController::Refresh()
{
    PopulateInputCombo();
    ReflectInput();
    PopulateOutputCombo();
    ReflectOutput();
    PopulateScalingCombo();
    ReflectScaling();
}

char* CAspectRatioController::GetText()
{
    CAspectRatioInfo2* info = GetAspectRatioInfo();
    if (!info) return UStringBuffer::Text("");
    const CString input = GetAspectRatioText(info->GetInput());
    const CString output = GetAspectRatioText(info->GetOutput());
    CString text;
    if (info->GetInput() == info->GetOutput())
        text = input;
    else if (info->GetScaling() == 0)
        text = "Scale to " + output;
    else
        text = GetScalingText(info->GetScaling()) + " from " + input + " to " + output;
    return UStringBuffer::Text(text);
}

bool CAspectRatioController::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case CAspectRatioInfo2::kInputChangedNotice: ReflectInput(); return true;
    case CAspectRatioInfo2::kOutputChangedNotice: ReflectOutput(); return true;
    case CAspectRatioInfo2::kScalingChangedNotice: ReflectScaling(); return true;
    default: return CObjectController2::Respond(code, sender, a, b);
    }
}

bool CAspectRatioController::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kEntryFieldCommittedMessage) {
        if (m_input && p == m_input->Identity()) {
            EnterInputByEditing();
            return true;
        }
        if (m_output && p == m_output->Identity()) {
            EnterOutputByEditing();
            return true;
        }
    }
    if (message == kBroadcasterDyingMessage) {
        ForgetDyingReference(m_input, p);
        ForgetDyingReference(m_output, p);
    }
    return CObjectController2::ListenToMessage(message, p, q);
}
