#include "CAnaglyph2Panel.h"

#include "UPageControls.h"
#include "UPanelTemplates.h"
#include "afx/windows/MessageMap.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CAnaglyph2Panel;
    return U::Page(240, 40,
                   {U::Label("Anaglyph", P::kColorLabel, 0, 2, 60), U::DropList(P::kColor, 64, 0, 100),
                    U::Label("Color Filter", P::kFilterLabel, 0, 20, 60), U::DropList(P::kFilter, 64, 18, 100)});
}
} // namespace

BEGIN_MESSAGE_MAP(CAnaglyph2Panel, CResourceObjectPanel)
    ON_CBN_SELCHANGE(kColor, OnColorChanged)
    ON_CBN_SELCHANGE(kFilter, OnFilterChanged)
END_MESSAGE_MAP()

CAnaglyph2Panel::CAnaglyph2Panel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate}, MakeTemplate);
    SetController(&m_controller);
}

void CAnaglyph2Panel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    BindIfPresent(this, dx, kColorLabel, m_colorLabel);
    BindIfPresent(this, dx, kColor, m_color);
    BindIfPresent(this, dx, kFilterLabel, m_filterLabel);
    BindIfPresent(this, dx, kFilter, m_filter);
}

void CAnaglyph2Panel::SetupController()
{
    m_controller.SetControls(IfBound(m_color), IfBound(m_filter));
}

void CAnaglyph2Panel::OnColorChanged() { m_controller.EnterColor(); }
void CAnaglyph2Panel::OnFilterChanged() { m_controller.EnterFilter(); }
