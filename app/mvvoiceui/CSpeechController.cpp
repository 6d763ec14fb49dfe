#include "CSpeechController.h"

#include "CSpeechControl.h"
#include "CSpeechSystem.h"
#include "afx/controls/CComboBox.h"
#include "afx/controls/CSliderCtrl.h"

CSpeechController::CSpeechController()
{
    mExpectedType = FourCharCode("spcl");
}

CSpeechControl* CSpeechController::GetSpeechControl() const
{
    return static_cast<CSpeechControl*>(GetObjectA());
}

void CSpeechController::SetControls(CComboBox* voice, CSliderCtrl* rate, CSliderCtrl* volume)
{
    m_voice = voice;
    m_rate = rate;
    m_volume = volume;
    if (m_rate) {
        m_rate->SetRange(CSpeechControl::kMinRate, CSpeechControl::kMaxRate);
        m_rate->SetPos(CSpeechControl::kMinRate);
    }
    if (m_volume) m_volume->SetRange(0, CSpeechControl::kMaxVolume);
}

void CSpeechController::PopulateVoiceCombo()
{
    if (!m_voice) return;
    m_voice->ResetContent();
    CSpeechSystem* system = CSpeechSystem::sSystem;
    if (!system) return;
    for (int i = 0; i < system->GetVoiceCount(); ++i) m_voice->AddString(system->GetVoice(i));
}

void CSpeechController::ReflectVoice()
{
    CSpeechControl* control = GetSpeechControl();
    if (!control || !m_voice) return;
    m_voice->SetCurSel(m_voice->FindStringExact(-1, control->GetVoice()));
}

void CSpeechController::ReflectRate()
{
    CSpeechControl* control = GetSpeechControl();
    if (control && m_rate) m_rate->SetPos(control->GetRate());
}

void CSpeechController::ReflectVolume()
{
    CSpeechControl* control = GetSpeechControl();
    if (control && m_volume) m_volume->SetPos(control->GetVolume());
}

void CSpeechController::EnterVoice()
{
    CSpeechControl* control = GetSpeechControl();
    if (!control || !m_voice) return;
    const int selected = m_voice->GetCurSel();
    // Without a selected entry there is no voice to take; an empty one would wipe the record's.
    if (selected < 0) {
        ReflectVoice();
        return;
    }
    CString voice;
    m_voice->GetLBText(selected, voice);
    if (!control->SetVoice(voice)) ReflectVoice();
}

void CSpeechController::EnterRate()
{
    CSpeechControl* control = GetSpeechControl();
    if (!control || !m_rate) return;
    if (!control->SetRate(static_cast<signed char>(m_rate->GetPos()))) ReflectRate();
}

void CSpeechController::EnterVolume()
{
    CSpeechControl* control = GetSpeechControl();
    if (!control || !m_volume) return;
    if (!control->SetVolume(static_cast<unsigned short>(m_volume->GetPos()))) ReflectVolume();
}

void CSpeechController::Refresh()
{
    PopulateVoiceCombo();
    ReflectVoice();
    ReflectRate();
    ReflectVolume();
}

void CSpeechController::SetDefault()
{
    CSpeechControl* control = GetSpeechControl();
    CSpeechSystem* system = CSpeechSystem::sSystem;
    if (control && system && control->GetVoice().IsEmpty()) control->SetVoice(system->GetVoice(0));
}

bool CSpeechController::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case CSpeechControl::kVoiceChangedNotice:
        ReflectVoice();
        return true;
    case CSpeechControl::kRateChangedNotice:
        ReflectRate();
        return true;
    case CSpeechControl::kVolumeChangedNotice:
        ReflectVolume();
        return true;
    default:
        return CObjectController2::Respond(code, sender, a, b);
    }
}
