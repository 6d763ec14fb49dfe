#pragma once
// Edits an aspect-ratio record: the input picture's ratio, the output's, and how a picture
// is fitted when they differ. The scaling modes offered depend on which ratio is wider.
#include "CObjectController2.h"
#include "TVideoScaling.h"
#include "afx/CString.h"

class CAspectRatioInfo2;
class CComboBox;
class CEntryCombo;

class CAspectRatioController : public CObjectController2 {
public:
    CAspectRatioController();
    ~CAspectRatioController() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void Refresh() override;
    char* GetText() override;

    void SetControls(CEntryCombo* input, CEntryCombo* output, CComboBox* scaling);
    void PopulateInputCombo();
    void PopulateOutputCombo();
    void PopulateScalingCombo();
    static void PopulateAspectRatioCombo(CComboBox* combo);

    static CString GetAspectRatioText(double ratio);
    CString GetScalingText(TVideoScaling scaling) const;
    // From the selected item, or from the combo's edit text.
    static double GetAspectRatio(CComboBox* combo);
    // A named ratio's value, else the text's leading number (0 when none).
    static double GetAspectRatio(const char* text);
    static double GetAspectRatioByEditing(CComboBox* combo);

    void ReflectInput();
    void ReflectOutput();
    void ReflectScaling();
    void EnterInput();
    void EnterInputByEditing();
    void EnterOutput();
    void EnterOutputByEditing();
    void EnterScaling();
    void ResetInput();

    CAspectRatioInfo2* GetAspectRatioInfo() const;

private:
    void ReflectAspectRatio(double ratio, CComboBox* combo);

    CEntryCombo* m_input = nullptr;
    CEntryCombo* m_output = nullptr;
    CComboBox* m_scaling = nullptr;
};
