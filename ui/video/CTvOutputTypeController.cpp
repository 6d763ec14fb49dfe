#include "CTvOutputTypeController.h"

#include "CMediaOutput2.h"
#include "UComboChoices.h"

CTvOutputTypeController::CTvOutputTypeController()
{
    mExpectedType = FourCharCode("mdo2");
}

CMediaOutput2* CTvOutputTypeController::GetMediaOutput() const
{
    return static_cast<CMediaOutput2*>(GetObjectA());
}

CString CTvOutputTypeController::GetTvTypeText(ETvType type)
{
    switch (type) {
    case 1: return "NTSC";
    case 2: return "PAL";
    default: return "";
    }
}

ETvType CTvOutputTypeController::GetTvType(const char* text)
{
    const CString name(text);
    if (name == "NTSC") return 1;
    if (name == "PAL") return 2;
    return 0;
}

void CTvOutputTypeController::PopulateTvTypeCombo()
{
    if (!m_tv) return;
    UComboChoices::Clear(m_tv);
    UComboChoices::Add(m_tv, GetTvTypeText(1));
    UComboChoices::Add(m_tv, GetTvTypeText(2));
}

void CTvOutputTypeController::ReflectTvType()
{
    if (!GetMediaOutput()) return;
    const CString text = GetTvTypeText(GetMediaOutput()->GetTvType());
    if (!text.IsEmpty()) UComboChoices::SelectExact(m_tv, text);
}

void CTvOutputTypeController::EnterTvType()
{
    CString text;
    if (!GetMediaOutput() || !UComboChoices::GetSelectedText(m_tv, text)) return;
    if (!GetMediaOutput()->SetTvType(GetTvType(text))) ReflectTvType();
}

void CTvOutputTypeController::Refresh()
{
    PopulateTvTypeCombo();
    ReflectTvType();
}

bool CTvOutputTypeController::Respond(long code, CBroadcaster* sender, long a, long b)
{
    if (code == CMediaOutput2::kTvTypeChangedNotice) {
        ReflectTvType();
        return true;
    }
    return CObjectController2::Respond(code, sender, a, b);
}
