#pragma once
// The transport of a file being cut into slices: frame steps, jumps between slice boundaries,
// moving a boundary by one frame, trimming, splitting, adding and removing slices. The buttons
// are enabled after what lies under the play position.
#include "CObjectController2.h"

#include <initializer_list>

class CButton;
class CFilePlaybackAdministrator2;
class CMediaFile2;

class CSliceEditController : public CObjectController2 {
public:
    CSliceEditController();

    void Refresh() override;

    // Null for the buttons a page lacks.
    void SetControls(CButton* play, CButton* pause, CButton* stop, CButton* stepBackward, CButton* stepForward,
                     CButton* skipBackward, CButton* skipForward, CButton* moveBackward, CButton* moveForward,
                     CButton* trimLeft, CButton* trimRight, CButton* captureFrame, CButton* split, CButton* add,
                     CButton* remove);

    void ActionStepBackward(CFilePlaybackAdministrator2* player);
    void ActionStepForward(CFilePlaybackAdministrator2* player);
    void ActionSkipBackward(CFilePlaybackAdministrator2* player);
    void ActionSkipForward(CFilePlaybackAdministrator2* player);
    void ActionMoveBackward(CFilePlaybackAdministrator2* player);
    void ActionMoveForward(CFilePlaybackAdministrator2* player);
    void ActionTrimLeft(CFilePlaybackAdministrator2* player);
    void ActionTrimRight(CFilePlaybackAdministrator2* player);
    void ActionSplit(CFilePlaybackAdministrator2* player);
    void ActionRemove(CFilePlaybackAdministrator2* player);

    // The nearest slice boundary before (after) the time; 0 (the limit) when there is none.
    double SkipPrevious(double time) const;
    double SkipNext(double time, double limit) const;

    void Update(CFilePlaybackAdministrator2* player);
    void ReflectVideoOn(bool on);
    void ReflectOnClip(bool on);
    void ReflectBetweenClips(bool on);
    void ReflectOnBoundary(bool on);

private:
    enum Button {
        kPlay, kPause, kStop, kStepBackward, kStepForward, kSkipBackward, kSkipForward, kMoveBackward, kMoveForward,
        kTrimLeft, kTrimRight, kCaptureFrame, kSplit, kAdd, kRemove, kButtonCount
    };

    CMediaFile2* GetFile() const;
    void EnableButtons(std::initializer_list<Button> buttons, bool on);
    void MoveBoundary(CFilePlaybackAdministrator2* player, bool forward);

    CButton* m_buttons[kButtonCount] = {};
};
