#include "CAudioComplexityController.h"

#include "CAudioOutput2.h"
#include "UAudioTexts.h"
#include "UComboChoices.h"
#include "UStringBuffer.h"

CAudioComplexityController::CAudioComplexityController()
{
    mExpectedType = FourCharCode("aop2");
}

CAudioOutput2* CAudioComplexityController::GetAudioOutput() const
{
    return static_cast<CAudioOutput2*>(GetObjectA());
}

void CAudioComplexityController::SetControls(CComboBox* mode, CComboBox* complexity)
{
    m_mode = mode;
    m_complexity = complexity;
}

void CAudioComplexityController::ReflectMode()
{
    if (GetAudioOutput()) UComboChoices::SelectExact(m_mode, UAudioTexts::ModeText(GetAudioOutput()->GetAudioMode()));
}

void CAudioComplexityController::ReflectComplexity()
{
    if (GetAudioOutput())
        UComboChoices::SelectExact(m_complexity, UAudioTexts::ComplexityText(GetAudioOutput()->GetComplexity()));
}

void CAudioComplexityController::EnterMode()
{
    CString text;
    if (!GetAudioOutput() || !UComboChoices::GetSelectedText(m_mode, text)) return;
    if (!GetAudioOutput()->SetAudioMode(UAudioTexts::Mode(text))) ReflectMode();
}

void CAudioComplexityController::EnterComplexity()
{
    CString text;
    if (!GetAudioOutput() || !UComboChoices::GetSelectedText(m_complexity, text)) return;
    if (!GetAudioOutput()->SetComplexity(UAudioTexts::Complexity(text))) ReflectComplexity();
}

void CAudioComplexityController::Refresh()
{
    UComboChoices::Clear(m_mode);
    for (EAudioMode mode : {0, 1}) UComboChoices::Add(m_mode, UAudioTexts::ModeText(mode));
    UComboChoices::Clear(m_complexity);
    for (EEncodingComplexity level : {0, 1, 2}) UComboChoices::Add(m_complexity, UAudioTexts::ComplexityText(level));
    ReflectMode();
    ReflectComplexity();
}

char* CAudioComplexityController::GetText()
{
    CAudioOutput2* audio = GetAudioOutput();
    if (!audio) return UStringBuffer::Text("");
    CString text = UAudioTexts::ModeText(audio->GetAudioMode());
    text += " ";
    text += UAudioTexts::ComplexityText(audio->GetComplexity());
    return UStringBuffer::Text(text);
}

bool CAudioComplexityController::Respond(long code, CBroadcaster* sender, long a, long b)
{
    if (code == CAudioOutput2::kAudioModeChangedNotice) {
        ReflectMode();
        return true;
    }
    if (code == CTrackOutput::kComplexityChangedNotice) {
        ReflectComplexity();
        return true;
    }
    return CObjectController2::Respond(code, sender, a, b);
}
