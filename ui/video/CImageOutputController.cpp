#include "CImageOutputController.h"

#include "CImageOutput.h"
#include "UComboChoices.h"
#include "UWindowsUtils.h"
#include "afx/controls/CSliderCtrl.h"
#include "afx/controls/CStatic.h"

CImageOutputController::CImageOutputController()
{
    mExpectedType = FourCharCode("imou");
}

CImageOutput* CImageOutputController::GetImageOutput() const
{
    return static_cast<CImageOutput*>(GetObjectA());
}

void CImageOutputController::SetControls(CComboBox* type, CSliderCtrl* quality)
{
    m_type = type;
    m_quality = quality;
    if (m_quality && m_quality->m_hWnd) m_quality->SetRange(0, 100);
}

CString CImageOutputController::GetImageTypeText(EImageType type)
{
    switch (type) {
    case 1001: return "GIF";
    case 1002: return "JPEG";
    default: return "";
    }
}

void CImageOutputController::AddImageType(EImageType type)
{
    UComboChoices::Add(m_type, GetImageTypeText(type));
}

void CImageOutputController::PopulateImageTypeCombo()
{
    if (!m_type) return;
    UComboChoices::Clear(m_type);
    AddImageType(1002);
    AddImageType(1001);
}

void CImageOutputController::ReflectImageType()
{
    if (GetImageOutput()) UComboChoices::SelectExact(m_type, GetImageTypeText(GetImageOutput()->GetType()));
}

void CImageOutputController::ReflectQuality()
{
    if (!GetImageOutput()) return;
    if (m_quality) m_quality->SetPos(GetImageOutput()->GetQuality());
    UWindowsUtils::SetWindowTextA(m_qualityValue, static_cast<int>(GetImageOutput()->GetQuality()));
}

void CImageOutputController::EnterImageType()
{
    CImageOutput* output = GetImageOutput();
    if (!output || !m_type) return;
    CString text;
    UComboChoices::GetSelectedText(m_type, text);
    EImageType type = 0;
    if (text == "JPEG") type = 1002;
    if (text == "GIF") type = 1001;
    if (type == 0 || !output->SetType(type)) ReflectImageType();
}

void CImageOutputController::EnterQuality()
{
    if (!GetImageOutput() || !m_quality) return;
    if (!GetImageOutput()->SetQuality(static_cast<unsigned char>(m_quality->GetPos()))) ReflectQuality();
}

void CImageOutputController::Refresh()
{
    PopulateImageTypeCombo();
    ReflectImageType();
    ReflectQuality();
}

bool CImageOutputController::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case CImageOutput::kTypeChangedNotice: ReflectImageType(); return true;
    case CImageOutput::kQualityChangedNotice: ReflectQuality(); return true;
    default: return CObjectController2::Respond(code, sender, a, b);
    }
}
