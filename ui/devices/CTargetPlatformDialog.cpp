#include "CTargetPlatformDialog.h"

#include "TPromptOnCopy.h"

#include <initializer_list>

namespace {
constexpr unsigned long kBaseLayouts = 1;
} // namespace

bool CTargetPlatformDialog::Prompt(CTargetPlatform& platform)
{
    return PromptOnCopy<CTargetPlatformDialog>(platform);
}

CTargetPlatformDialog::CTargetPlatformDialog(CWnd* parent)
    : CStackExportDialog(parent), m_sync(kBaseLayouts, nullptr), m_notes(kBaseLayouts, nullptr)
{
}

CTargetPlatformDialog::~CTargetPlatformDialog()
{
    for (CPanel* page : {static_cast<CPanel*>(&m_notes), static_cast<CPanel*>(&m_sync)})
        if (page->m_hWnd) page->DestroyWindow();
    m_stack.Reset();
}

void CTargetPlatformDialog::SetupPanels()
{
    m_stack.AddPanel(&m_syncInfo, &m_sync, "Sync");
    m_stack.AddPanel(&m_notesInfo, &m_notes, "Notes");
    m_sync.SetObject(&m_platform);
    m_notes.SetObject(&m_platform);
    SetWindowText("Platform");
}
