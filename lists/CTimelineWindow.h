#pragma once
// A node window whose objects are durations along a time axis, with a thumb that the
// user drags to set the current time and a text that shows it.
#include "CObjectNodeWindow.h"
#include "CTimelineThumb.h"
#include "CWindowLocator.h"
#include "afx/controls/CStatic.h"

inline constexpr long kTimelineTimeChangedMessage = 8830042;
inline constexpr long kTimelineTimeDraggedMessage = 8830043;

class CTimelineWindow : public CObjectNodeWindow {
public:
    static constexpr int kBarHeight = 14;
    static constexpr UINT kTimeTextId = 1001;

    CTimelineWindow();
    ~CTimelineWindow() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override;
    void DrawBackground(CDC* dc) override;

    virtual void Initialize();
    virtual void Deinitialize();
    virtual void SetTime(double time, bool notify);
    virtual void SetTimeSelf(double time, bool notify);
    virtual double ValidateTime(double time) { return time; }
    virtual void ReflectTime();
    virtual void DragTime();
    virtual CString GetTimeText() { return CString(); }
    virtual double GetPixelPerSecond() { return 10.0; }

    double GetTime() const { return mTime; }
    bool IsDraggingThumb() const { return mDragging; }
    CTimelineThumb& GetThumb() { return mThumb; }
    CStatic& GetTimeStatic() { return mTimeText; }

    using CObjectNodeWindow::StartDragging;
    using CObjectNodeWindow::StopDragging;
    void StartDragging();
    void Dragging();
    void StopDragging();
    void DragThumb(CPoint screenPoint);

protected:
    void OnSize(UINT type, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    double mTime = 0;
    bool mDragging = false;
    CPoint mDragStart;
    CTimelineThumb mThumb;
    CStatic mTimeText;
    CWindowLocator mLocator;
};
