#include "CVideoComplexityController.h"

#include "CVideoOutput2.h"
#include "UStringBuffer.h"
#include "UValueTexts.h"

namespace {
const MvValueText kModes[] = {{0, "Normal"}, {1, "Smooth"}, {2, "Sharp"}, {3, "Slide Show"}};
const MvValueText kComplexities[] = {{0, "Low"}, {1, "Medium"}, {2, "High"}};
} // namespace

CVideoComplexityController::CVideoComplexityController()
{
    mExpectedType = FourCharCode("vop2");
}

CVideoOutput2* CVideoComplexityController::GetVideoOutput() const
{
    return static_cast<CVideoOutput2*>(GetObjectA());
}

void CVideoComplexityController::SetControls(CComboBox* mode, CComboBox* complexity)
{
    m_mode = mode;
    m_complexity = complexity;
}

CString CVideoComplexityController::GetModeText(EVideoMode mode) { return UValueTexts::TextOf(kModes, mode); }
EVideoMode CVideoComplexityController::GetMode(const char* text) { return UValueTexts::ValueOf(kModes, text); }

CString CVideoComplexityController::GetComplexityText(EEncodingComplexity complexity)
{
    return UValueTexts::TextOf(kComplexities, complexity);
}

EEncodingComplexity CVideoComplexityController::GetComplexity(const char* text)
{
    return static_cast<EEncodingComplexity>(UValueTexts::ValueOf(kComplexities, text));
}

void CVideoComplexityController::PopulateModeCombo() { UValueTexts::Populate(m_mode, kModes); }
void CVideoComplexityController::PopulateComplexityCombo() { UValueTexts::Populate(m_complexity, kComplexities); }

void CVideoComplexityController::ReflectMode()
{
    if (GetVideoOutput()) UComboChoices::SelectExact(m_mode, GetModeText(GetVideoOutput()->GetVideoMode()));
}

void CVideoComplexityController::ReflectComplexity()
{
    if (GetVideoOutput())
        UComboChoices::SelectExact(m_complexity, GetComplexityText(GetVideoOutput()->GetComplexity()));
}

void CVideoComplexityController::EnterMode()
{
    CString text;
    if (!GetVideoOutput() || !UComboChoices::GetSelectedText(m_mode, text)) return;
    if (!GetVideoOutput()->SetVideoMode(GetMode(text))) ReflectMode();
}

void CVideoComplexityController::EnterComplexity()
{
    CString text;
    if (!GetVideoOutput() || !UComboChoices::GetSelectedText(m_complexity, text)) return;
    if (!GetVideoOutput()->SetComplexity(GetComplexity(text))) ReflectComplexity();
}

void CVideoComplexityController::Refresh()
{
    PopulateModeCombo();
    ReflectMode();
    PopulateComplexityCombo();
    ReflectComplexity();
}

char* CVideoComplexityController::GetText()
{
    CVideoOutput2* video = GetVideoOutput();
    if (!video) return UStringBuffer::Text("");
    return UStringBuffer::Text(GetModeText(video->GetVideoMode()) + " " + GetComplexityText(video->GetComplexity()));
}

bool CVideoComplexityController::Respond(long code, CBroadcaster* sender, long a, long b)
{
    if (code == CTrackOutput::kComplexityChangedNotice) {
        ReflectComplexity();
        return true;
    }
    if (code == CVideoOutput2::kVideoModeChangedNotice) {
        ReflectMode();
        return true;
    }
    return CObjectController2::Respond(code, sender, a, b);
}
