#pragma once
// The trackbar: range, position, line and page sizes, ticks and selection range. The mouse
// drags the thumb (or pages towards a click) and on release the parent hears NM_RELEASEDCAPTURE;
// the keys move it with WM_HSCROLL / WM_VSCROLL notices only.
#include "win32/controls/CtlModel.h"

#include <vector>

class CtlTrackbar : public CtlModel {
public:
    explicit CtlTrackbar(DWORD style = 0) : CtlModel(style) {}

    LONG Pos() const { return m_pos; }
    LONG Min() const { return m_min; }
    LONG Max() const { return m_max; }
    bool IsDragging() const { return m_dragging; }
    LONG LineSize() const { return m_line; }
    LONG PageSize() const { return m_page; }
    const std::vector<LONG>& Tics() const { return m_tics; }
    LONG SelectionStart() const { return m_selStart; }
    LONG SelectionEnd() const { return m_selEnd; }
    // The client point at the centre of the thumb for a position, and back.
    POINT PointOf(LONG pos) const;
    LONG PosAt(POINT point) const;

    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

    // Presses the thumb, drags it to `pos` and releases it, as the mouse does it.
    void UserDrag(LONG pos);
    void UserKey(UINT key);

    static constexpr int kInset = 10;
    static constexpr int kThumbHalf = 5;

private:
    bool Vertical() const;
    LONG Clamp(LONG pos) const;
    void Scroll(int code, LONG pos);
    void Move(int code, LONG pos);
    int Length() const;

    LONG m_min = 0;
    LONG m_max = 100;
    LONG m_pos = 0;
    LONG m_line = 1;
    LONG m_page = 20;
    LONG m_ticFrequency = 1;
    std::vector<LONG> m_tics;
    LONG m_selStart = 0;
    LONG m_selEnd = 0;
    bool m_dragging = false;
    bool m_paging = false;
};
