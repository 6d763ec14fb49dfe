#pragma once
// Edits the format and quality of image files written from video.
#include "CObjectController2.h"
#include "EMediaOutput.h"
#include "afx/CString.h"

class CComboBox;
class CImageOutput;
class CSliderCtrl;
class CStatic;

class CImageOutputController : public CObjectController2 {
public:
    CImageOutputController();

    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void Refresh() override;

    virtual void PopulateImageTypeCombo();
    virtual void ReflectImageType();
    virtual void ReflectQuality();
    virtual void EnterImageType();
    virtual void EnterQuality();

    void SetControls(CComboBox* type, CSliderCtrl* quality);
    void SetStatics(CStatic* qualityValue) { m_qualityValue = qualityValue; }
    void AddImageType(EImageType type);
    static CString GetImageTypeText(EImageType type);

private:
    CImageOutput* GetImageOutput() const;

    CComboBox* m_type = nullptr;
    CSliderCtrl* m_quality = nullptr;
    CStatic* m_qualityValue = nullptr;
};
