#pragma once
// The timeline's draggable thumb: it tells its listeners of the press, each move with the
// button held, and the release; the timeline moves it.
#include "CBroadcaster.h"
#include "CSkinObject.h"
#include "afx/windows/CWnd.h"

inline constexpr long kThumbPressedMessage = 6683232;
inline constexpr long kThumbDraggedMessage = 6683233;
inline constexpr long kThumbReleasedMessage = 6683234;

class CTimelineThumb : public CWnd, public CBroadcaster {
public:
    static constexpr int kWidth = 13;
    static constexpr int kHeight = 7;

    CTimelineThumb() = default;
    CTimelineThumb(const CTimelineThumb&) = delete;
    CTimelineThumb& operator=(const CTimelineThumb&) = delete;

    BOOL Create(CWnd* parent);
    CSkinObject& GetSkin() { return mSkin; }

protected:
    void OnPaint();
    void OnLButtonDown(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    CSkinObject mSkin;
};
