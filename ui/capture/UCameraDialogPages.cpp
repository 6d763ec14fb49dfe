#include "UCameraDialogPages.h"

#include "CPanel.h"
#include "CPanelStack.h"

void UCameraDialogPages::Close(CPanelStack& stack, std::initializer_list<CPanel*> pages)
{
    for (CPanel* page : pages)
        if (page->m_hWnd) page->DestroyWindow();
    stack.Reset();
}
