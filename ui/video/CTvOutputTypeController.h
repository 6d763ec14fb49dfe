#pragma once
// Edits the TV standard of a media output.
#include "CObjectController2.h"
#include "EMediaOutput.h"
#include "afx/CString.h"

class CComboBox;
class CMediaOutput2;

class CTvOutputTypeController : public CObjectController2 {
public:
    CTvOutputTypeController();

    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void Refresh() override;

    void SetControls(CComboBox* tv) { m_tv = tv; }
    void PopulateTvTypeCombo();
    static CString GetTvTypeText(ETvType type);
    static ETvType GetTvType(const char* text);
    void ReflectTvType();
    void EnterTvType();

private:
    CMediaOutput2* GetMediaOutput() const;

    CComboBox* m_tv = nullptr;
};
