#include "CAnaglyph2Controller.h"

#include "UComboChoices.h"
#include "UStringBuffer.h"
#include "UValueTexts.h"

namespace {
constexpr EAnaglyphColor kColor = 0;
constexpr EAnaglyphColor kGreyScale = 1;
const MvValueText kColorTexts[] = {{kColor, "Color"}, {kGreyScale, "Grey Scale"}};
const MvValueText kFilterTexts[] = {{0, "Red / Cyan"}, {1, "Red / Blue"}, {2, "Red / Green"}};
} // namespace

CAnaglyph2Controller::CAnaglyph2Controller()
{
    mExpectedType = FourCharCode("3di ");
}

C3dInfo2* CAnaglyph2Controller::Get3dInfo() const
{
    return static_cast<C3dInfo2*>(GetObjectA());
}

void CAnaglyph2Controller::SetControls(CComboBox* color, CComboBox* filter)
{
    m_color = color;
    m_filter = filter;
}

CString CAnaglyph2Controller::GetColorText(EAnaglyphColor color)
{
    return UValueTexts::TextOf(kColorTexts, color);
}

EAnaglyphColor CAnaglyph2Controller::GetColor(const char* text)
{
    return CString(text ? text : "") == "Color" ? kColor : kGreyScale;
}

CString CAnaglyph2Controller::GetFilterText(EAnaglyphFilter filter)
{
    return UValueTexts::TextOf(kFilterTexts, filter);
}

EAnaglyphFilter CAnaglyph2Controller::GetFilter(const char* text)
{
    const CString name(text ? text : "");
    if (name == "Red / Cyan") return 0;
    return name == "Red / Blue" ? 1 : 2;
}

void CAnaglyph2Controller::PopulateColorCombo()
{
    UValueTexts::Populate(m_color, kColorTexts);
}

void CAnaglyph2Controller::PopulateFilterCombo()
{
    if (!m_filter || !Get3dInfo()) return;
    if (Get3dInfo()->GetAnaglyphColor() == kGreyScale) {
        UValueTexts::Populate(m_filter, kFilterTexts);
        return;
    }
    UComboChoices::Clear(m_filter);
    UComboChoices::Add(m_filter, kFilterTexts[0].text);
}

void CAnaglyph2Controller::ReflectColor()
{
    if (!Get3dInfo()) return;
    UComboChoices::SelectExact(m_color, GetColorText(Get3dInfo()->GetAnaglyphColor()));
    PopulateFilterCombo();
    ReflectFilter();
}

void CAnaglyph2Controller::ReflectFilter()
{
    if (Get3dInfo()) UComboChoices::SelectExact(m_filter, GetFilterText(Get3dInfo()->GetAnaglyphFilter()));
}

void CAnaglyph2Controller::EnterColor()
{
    CString text;
    if (!Get3dInfo() || !UComboChoices::GetSelectedText(m_color, text)) return;
    if (!Get3dInfo()->SetAnaglyphColor(GetColor(text))) ReflectColor();
}

void CAnaglyph2Controller::EnterFilter()
{
    CString text;
    if (!Get3dInfo() || !UComboChoices::GetSelectedText(m_filter, text)) return;
    if (!Get3dInfo()->SetAnaglyphFilter(GetFilter(text))) ReflectFilter();
}

void CAnaglyph2Controller::Refresh()
{
    CObjectController2::Refresh();
    PopulateColorCombo();
    ReflectColor();
}

char* CAnaglyph2Controller::GetText()
{
    return UStringBuffer::Text("");
}

bool CAnaglyph2Controller::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case C3dInfo2::kAnaglyphColorChangedNotice: ReflectColor(); return true;
    case C3dInfo2::kAnaglyphFilterChangedNotice: ReflectFilter(); return true;
    default: return CObjectController2::Respond(code, sender, a, b);
    }
}
