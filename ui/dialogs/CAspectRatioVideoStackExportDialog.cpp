#include "CAspectRatioVideoStackExportDialog.h"

CAspectRatioVideoStackExportDialog::CAspectRatioVideoStackExportDialog(CWnd* parent)
    : CVideoStackExportDialog(parent), m_aspectRatioPage(1, nullptr)
{
}

CAspectRatioVideoStackExportDialog::~CAspectRatioVideoStackExportDialog()
{
    DestroyVideoPanels();
    // The stack no longer names the page or its info when they go.
    if (m_aspectRatioPage.m_hWnd) m_aspectRatioPage.DestroyWindow();
}

void CAspectRatioVideoStackExportDialog::SetupPanels()
{
    m_stack.AddPanel(&m_aspectRatioInfo, &m_aspectRatioPage, "AspectRatio");
    AddVideoPanels();
    m_aspectRatioPage.SetObject(&m_aspectRatio);
    BindVideoPanels();
}
