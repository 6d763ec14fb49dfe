#include "CSaveDir2Panel.h"

#include "UPanelTemplates.h"
#include "afx/windows/CDataExchange.h"
#include "afx/windows/MessageMap.h"

namespace {

using U = UPanelTemplates;
using P = CSaveLocationPanel;

enum class Layout { kBase, kSpecifyFirst, kPlain };

template <Layout L>
MvDialogTemplate MakeTemplate()
{
    const bool plain = L == Layout::kPlain;
    const short sameY = L == Layout::kSpecifyFirst ? 14 : 0;
    const short specifyY = L == Layout::kSpecifyFirst ? 0 : 14;
    MvDialogItem same = U::Radio("Save to the same directory as the input file", P::kSameDir, 0, sameY, 280,
                                 L != Layout::kSpecifyFirst);
    MvDialogItem specify = U::Radio("Specify:", P::kSpecify, 0, specifyY, 60, L == Layout::kSpecifyFirst);
    MvDialogItem help = U::Label("", P::kHelp, 0, 90, 280, 24);
    return U::Page(285, 123,
                   {plain ? U::Hidden(same) : same, plain ? U::Hidden(specify) : specify, U::Edit(P::kPath, 0, 28, 280),
                    U::Button("Browse...", P::kBrowse, 64, 46, 50), U::Button("Explore", P::kExplore, 118, 46, 50),
                    U::Label(plain ? "If file exists" : "If file exists:", P::kReplaceLabel, 0, 68, 60),
                    U::DropList(P::kReplace, 64, 66, 160), L == Layout::kBase ? help : U::Hidden(help)});
}

} // namespace

BEGIN_MESSAGE_MAP(CSaveDir2Panel, CSaveLocationPanel)
    ON_BN_CLICKED(kSameDir, OnSameDir)
    ON_BN_CLICKED(kSpecify, OnSpecify)
END_MESSAGE_MAP()

CSaveDir2Panel::CSaveDir2Panel(unsigned long applicationId, CWnd* parent)
    : CSaveLocationPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate}, MakeTemplate<Layout::kBase>);
    UPanelTemplates::Register({7036}, MakeTemplate<Layout::kSpecifyFirst>);
    UPanelTemplates::Register({7037}, MakeTemplate<Layout::kPlain>);
    SetController(&m_controller);
}

void CSaveDir2Panel::DoDataExchange(CDataExchange* dx)
{
    CSaveLocationPanel::DoDataExchange(dx);
    DDX_Control(dx, kSameDir, m_sameDir);
    DDX_Control(dx, kSpecify, m_specify);
}

void CSaveDir2Panel::SetupController()
{
    CSaveLocationPanel::SetupController();
    m_controller.SetMoreControls(&m_specify, &m_sameDir);
}

BOOL CSaveDir2Panel::OnInitDialog()
{
    CSaveLocationPanel::OnInitDialog();
    m_browse.MakeTooltip("Browse for the directory location");
    m_explore.MakeTooltip("Open the directory in Windows");
    m_sameDir.MakeTooltip("Save the converted file in the same directory as the original");
    m_specify.MakeTooltip("Specify the output directory");
    return TRUE;
}

void CSaveDir2Panel::OnSameDir() { m_controller.EnterSameDir(true); }
void CSaveDir2Panel::OnSpecify() { m_controller.EnterSameDir(false); }
