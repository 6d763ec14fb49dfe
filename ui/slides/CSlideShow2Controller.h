#pragma once
// Edits how a slide show decides its slides' seconds, and the seconds every slide gets.
#include "CObjectController2.h"
#include "afx/CString.h"

class CComboBox;
class CEntryCombo;
class CSlideShow2;
class CStatic;

class CSlideShow2Controller : public CObjectController2 {
public:
    CSlideShow2Controller();
    ~CSlideShow2Controller() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void Refresh() override;

    // Neither refreshes.
    void SetControls(CComboBox* durationType, CEntryCombo* duration);
    // The static shown and hidden with the duration combo.
    void SetStatics(CStatic* durationUnit);

    void PopulateDurationTypeCombo();
    static CString GetDurationTypeText(long type);
    // The selected item's type; "Specify for all slides" for anything else.
    static long GetDurationType(CComboBox* combo);
    void PopulateDurationCombo();

    void ReflectDurationType();
    void ReflectDuration();
    void EnterDurationType();
    void EnterDuration();
    void EnterDurationByEditing();

    CSlideShow2* GetSlideShow() const;

private:
    void EnterDurationText(const char* text);

    CComboBox* m_durationType = nullptr;
    CEntryCombo* m_duration = nullptr;
    CStatic* m_durationUnit = nullptr;
};
