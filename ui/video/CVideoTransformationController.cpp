#include "CVideoTransformationController.h"

#include "CVideoTransformation.h"
#include "UComboChoices.h"
#include "UStringBuffer.h"
#include "afx/controls/CComboBox.h"

#include <iterator>

namespace {

// List items; the flip values of the first two mirrors are swapped against the list's order.
const char* const kFlipTexts[] = {"None", "Vertical", "Horizontal"};
const EImageFlip kFlipOfItem[] = {kImageFlipNone, kImageFlipTopBottom, kImageFlipLeftRight};
const char* const kRotateTexts[] = {"None", "Left", "Right", "180 degrees"};

template <size_t N>
void Fill(CComboBox* combo, const char* const (&texts)[N])
{
    if (!combo) return;
    UComboChoices::Clear(combo);
    for (const char* text : texts) UComboChoices::Add(combo, text);
}

} // namespace

CVideoTransformationController::CVideoTransformationController()
{
    mExpectedType = FourCharCode("vitr");
}

CVideoTransformation* CVideoTransformationController::GetTransformation() const
{
    return static_cast<CVideoTransformation*>(GetObjectA());
}

void CVideoTransformationController::SetControls(CComboBox* flip, CComboBox* rotate)
{
    m_flip = flip;
    m_rotate = rotate;
}

void CVideoTransformationController::PopulateFlipCombo() { Fill(m_flip, kFlipTexts); }
void CVideoTransformationController::PopulateRotateCombo() { Fill(m_rotate, kRotateTexts); }

void CVideoTransformationController::ReflectFlip()
{
    if (!GetTransformation() || !m_flip) return;
    for (size_t item = 0; item < std::size(kFlipOfItem); ++item)
        if (kFlipOfItem[item] == GetTransformation()->GetFlip()) m_flip->SetCurSel(static_cast<int>(item));
}

void CVideoTransformationController::ReflectRotate()
{
    if (!GetTransformation() || !m_rotate) return;
    const int rotate = static_cast<int>(GetTransformation()->GetRotate());
    if (rotate >= 0 && rotate < static_cast<int>(std::size(kRotateTexts))) m_rotate->SetCurSel(rotate);
}

void CVideoTransformationController::EnterFlip()
{
    if (!GetTransformation() || !m_flip) return;
    const int item = m_flip->GetCurSel();
    const EImageFlip flip =
        item >= 0 && item < static_cast<int>(std::size(kFlipOfItem)) ? kFlipOfItem[item] : kImageFlipNone;
    if (!GetTransformation()->SetFlip(flip)) ReflectFlip();
}

void CVideoTransformationController::EnterRotate()
{
    if (!GetTransformation() || !m_rotate) return;
    const int item = m_rotate->GetCurSel();
    const int rotate = item >= 0 && item < static_cast<int>(std::size(kRotateTexts)) ? item : 0;
    if (!GetTransformation()->SetRotate(static_cast<EImageRotation>(rotate))) ReflectRotate();
}

void CVideoTransformationController::Refresh()
{
    PopulateFlipCombo();
    PopulateRotateCombo();
    ReflectFlip();
    ReflectRotate();
}

char* CVideoTransformationController::GetText()
{
    CVideoTransformation* transformation = GetTransformation();
    if (!transformation) return UStringBuffer::Text("");
    CString text;
    if (transformation->GetFlip() == kImageFlipLeftRight) text = "Flip horizontally";
    if (transformation->GetFlip() == kImageFlipTopBottom) text = "Flip vertically";
    static const char* const kThen[] = {"", ", then rotate left", ", then rotate right", ", then rotate 180 degrees"};
    static const char* const kAlone[] = {"", "Rotate left", "Rotate right", "Rotate 180 degrees"};
    const int rotate = static_cast<int>(transformation->GetRotate());
    if (rotate >= 1 && rotate <= 3) text += text.IsEmpty() ? kAlone[rotate] : kThen[rotate];
    return UStringBuffer::Text(text);
}

bool CVideoTransformationController::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case CVideoTransformation::kFlipChangedNotice: ReflectFlip(); return true;
    case CVideoTransformation::kRotateChangedNotice: ReflectRotate(); return true;
    default: return CObjectController2::Respond(code, sender, a, b);
    }
}
