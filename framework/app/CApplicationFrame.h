#pragma once
// The main frame of every application: links menu, a title with name and version, and
// a window place restored at creation and stored on every move or resize.
#include "CLinksMenu.h"
#include "CTaskBarFrame.h"

class CCmdUI;

class CApplicationFrame : public CTaskBarFrame {
    DECLARE_DYNCREATE(CApplicationFrame)
public:
    static constexpr UINT kFirstLink = 0xD000;
    static constexpr UINT kLastLink = 0xD028;

    CApplicationFrame();
    ~CApplicationFrame() override;

    CLinksMenu& GetLinksMenu() { return m_links; }
    bool IsPlaced() const { return m_placed; }

    static CApplicationFrame* sFrame;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnSize(UINT type, int cx, int cy);
    void OnMove(int x, int y);
    void OnLink(UINT id);
    void OnUpdateLink(CCmdUI* ui);

    DECLARE_MESSAGE_MAP()

    CLinksMenu m_links{static_cast<int>(kFirstLink)};
    bool m_placed = false;
};
