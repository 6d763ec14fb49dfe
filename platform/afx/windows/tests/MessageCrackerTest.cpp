#include "afx/windows/CWnd.h"

#include <gtest/gtest.h>

namespace {

// Stands in for a drawing-context wrapper: only FromHandle is needed by the maps.
struct FakeDc {
    HDC m_hDC = nullptr;
    static FakeDc* FromHandle(HDC dc)
    {
        static FakeDc wrapper;
        wrapper.m_hDC = dc;
        return &wrapper;
    }
};

const HBRUSH kBrush = reinterpret_cast<HBRUSH>(0x1230);
const HDC kDc = reinterpret_cast<HDC>(0x4560);

class CColoredChild : public CWnd {
public:
    bool m_answer = true;
    UINT m_kind = 99;
    UINT m_scrollCode = 0;
protected:
    HBRUSH CtlColor(FakeDc* dc, UINT kind)
    {
        EXPECT_EQ(dc->m_hDC, kDc);
        m_kind = kind;
        return m_answer ? kBrush : nullptr;
    }
    void HScroll(UINT code, UINT) { m_scrollCode = code; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CColoredChild, CWnd)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_HSCROLL_REFLECT()
END_MESSAGE_MAP()

class CPainter : public CWnd {
public:
    HDC m_erased = nullptr;
    CWnd* m_scrollBar = nullptr;
    UINT m_position = 0;
protected:
    BOOL OnEraseBkgnd(FakeDc* dc)
    {
        m_erased = dc->m_hDC;
        return TRUE;
    }
    void OnVScroll(UINT, UINT position, CWnd* bar)
    {
        m_position = position;
        m_scrollBar = bar;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CPainter, CWnd)
    ON_WM_ERASEBKGND()
    ON_WM_VSCROLL()
END_MESSAGE_MAP()

TEST(MessageCrackers, ColourAndScrollRequestsReachTheControlOrTheParent)
{
    CPainter parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "", WS_POPUP, CRect(0, 0, 100, 100), nullptr, 0));
    CColoredChild child;
    ASSERT_TRUE(child.Create(nullptr, "", WS_VISIBLE, CRect(0, 0, 10, 10), &parent, 5));

    LRESULT brush = parent.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(kDc), reinterpret_cast<LPARAM>(child.m_hWnd));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), kBrush);
    EXPECT_EQ(child.m_kind, static_cast<UINT>(CTLCOLOR_STATIC));
    child.m_answer = false;
    EXPECT_EQ(parent.SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(kDc), reinterpret_cast<LPARAM>(child.m_hWnd)), 0)
        << "a control without a brush leaves the colour to the parent";

    parent.SendMessage(WM_HSCROLL, MAKELONG(5, 7), reinterpret_cast<LPARAM>(child.m_hWnd));
    EXPECT_EQ(child.m_scrollCode, 5u) << "reflected to the control";
    parent.SendMessage(WM_VSCROLL, MAKELONG(5, 42), reinterpret_cast<LPARAM>(child.m_hWnd));
    EXPECT_EQ(parent.m_position, 42u) << "the parent's own handler wins over reflection";
    EXPECT_EQ(parent.m_scrollBar, &child);

    EXPECT_EQ(parent.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(kDc)), TRUE);
    EXPECT_EQ(parent.m_erased, kDc);
    parent.DestroyWindow();
}

} // namespace
