#pragma once
// The slices of one media file drawn as tubes along its duration, with the play position as the
// current time. A click chooses a time; the slice under the time becomes the selection, which
// an attached slice page shows.
#include "CPlaybackInterface.h"
#include "CTimelineWindow.h"

class CMediaFile2;
class CSliceDuration2;
class CSliceDuration2Panel;

inline constexpr long kSliceSelectionChangedMessage = 7730943;
// A click on the timeline chose a time.
inline constexpr long kTimelineTimeChosenMessage = kTimelineTimeDraggedMessage;

class CMediaSlicesTimelineWindow : public CTimelineWindow, public CPlaybackInterface {
public:
    static constexpr UINT kThumbBitmapId = 11053;

    CMediaSlicesTimelineWindow();

    double GetDuration();
    double GetPixelPerSecond() override;
    double GetXScale() override;
    double ValidateTime(double time) override;
    CString GetTimeText() override;
    void SetTimeSelf(double time, bool byUser) override;
    void ReflectTime() override;
    bool SetObject(CPersistObject* object) override;
    CPersistList* GetList(CPersistObject* object) override;
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override;
    CObjectDisplay* CreateChild(CPersistObject* object, int index) override;
    void RemoveChildDisplay(CObjectDisplay* child) override;
    void DisplayChanged(CObjectDisplay* display) override;
    void SetPlayer(CFilePlaybackAdministrator2* player) override;
    void UpdateCreate() override;
    void UpdateState() override;
    void UpdatePosition() override;

    void SetSliceSelection(CSliceDuration2* slice);
    static CSliceDuration2* GetSliceSelection();
    // The page that shows the selected slice; not owned, may be null.
    void SetDurationPanel(CSliceDuration2Panel* panel);
    CMediaFile2* GetMediaFile() const;
    int GetNodeHeight() const { return m_nodeHeight; }

protected:
    void OnLButtonUp(UINT flags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    void ShowSelectionInPanel();
    void TellPlayer();

    CSliceDuration2Panel* m_durationPanel = nullptr;
    int m_nodeHeight = 0;
};
