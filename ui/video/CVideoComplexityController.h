#pragma once
// Edits the video mode (normal, smooth, sharp, slide show) and the encoding complexity.
#include "CObjectController2.h"
#include "EMediaOutput.h"
#include "afx/CString.h"

class CComboBox;
class CVideoOutput2;

class CVideoComplexityController : public CObjectController2 {
public:
    CVideoComplexityController();

    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void Refresh() override;
    char* GetText() override;

    void SetControls(CComboBox* mode, CComboBox* complexity);
    void PopulateModeCombo();
    void PopulateComplexityCombo();
    static CString GetModeText(EVideoMode mode);
    static EVideoMode GetMode(const char* text);
    static CString GetComplexityText(EEncodingComplexity complexity);
    static EEncodingComplexity GetComplexity(const char* text);
    void ReflectMode();
    void ReflectComplexity();
    void EnterMode();
    void EnterComplexity();

private:
    CVideoOutput2* GetVideoOutput() const;

    CComboBox* m_mode = nullptr;
    CComboBox* m_complexity = nullptr;
};
