#include "CTagEditDialog.h"

namespace {
// The dialog shows the page's base layout in every application.
constexpr unsigned long kBaseLayout = 1;
} // namespace

CTagEditDialog::CTagEditDialog(CWnd* parent) : CObjectEditDialog(parent), m_panel(kBaseLayout, nullptr) {}

CTagEditDialog::~CTagEditDialog()
{
    // The page lets go of the tag, and the stack of the page, before either goes.
    if (m_panel.m_hWnd) m_panel.DestroyWindow();
    m_stack.Reset();
}

void CTagEditDialog::SetData(CNamedValue& tag)
{
    m_tag = tag;
}

void CTagEditDialog::SetupPanels()
{
    m_stack.AddPanel(&m_page, &m_panel, "Tag");
    m_panel.SetObject(&m_tag);
}
