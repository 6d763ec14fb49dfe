#include "CSliceEditController.h"

#include "CDirectShowGraph.h"
#include "CFilePlaybackAdministrator2.h"
#include "CMediaFile2.h"
#include "CSliceDuration2.h"
#include "UWindowsUtils.h"
#include "afx/controls/CButton.h"

CSliceEditController::CSliceEditController()
{
    mExpectedType = FourCharCode("mfl2");
}

CMediaFile2* CSliceEditController::GetFile() const
{
    return static_cast<CMediaFile2*>(GetObjectA());
}

void CSliceEditController::SetControls(CButton* play, CButton* pause, CButton* stop, CButton* stepBackward,
                                       CButton* stepForward, CButton* skipBackward, CButton* skipForward,
                                       CButton* moveBackward, CButton* moveForward, CButton* trimLeft,
                                       CButton* trimRight, CButton* captureFrame, CButton* split, CButton* add,
                                       CButton* remove)
{
    CButton* buttons[kButtonCount] = {play,     pause,     stop,         stepBackward, stepForward,
                                      skipBackward, skipForward, moveBackward, moveForward, trimLeft,
                                      trimRight, captureFrame, split,    add,          remove};
    for (int i = 0; i < kButtonCount; ++i) m_buttons[i] = buttons[i];
}

void CSliceEditController::ActionStepBackward(CFilePlaybackAdministrator2* player)
{
    if (player) player->StepBackward();
}

void CSliceEditController::ActionStepForward(CFilePlaybackAdministrator2* player)
{
    if (player) player->StepForward();
}

void CSliceEditController::ActionSkipBackward(CFilePlaybackAdministrator2* player)
{
    if (player) player->SetPosition(SkipPrevious(player->GetPosition()));
}

void CSliceEditController::ActionSkipForward(CFilePlaybackAdministrator2* player)
{
    if (player) player->SetPosition(SkipNext(player->GetPosition(), player->GetDuration()));
}

void CSliceEditController::MoveBoundary(CFilePlaybackAdministrator2* player, bool forward)
{
    CMediaFile2* file = GetFile();
    if (!player || !file) return;
    CSliceDuration2* slice = file->GetSlice(player->GetPosition());
    if (!slice) return;
    const double position = player->GetPosition();
    const bool onStart = position == slice->GetStart();
    const bool onEnd = !onStart && position == slice->GetEnd();
    if (forward)
        player->StepForward();
    else
        player->StepBackward();
    // Through the file, so that a neighbour the boundary runs into follows it instead of
    // being overlapped.
    if (onStart) file->SetStart(slice, player->GetPosition());
    if (onEnd) file->SetEnd(slice, player->GetPosition());
}

void CSliceEditController::ActionMoveBackward(CFilePlaybackAdministrator2* player) { MoveBoundary(player, false); }

void CSliceEditController::ActionMoveForward(CFilePlaybackAdministrator2* player) { MoveBoundary(player, true); }

void CSliceEditController::ActionTrimLeft(CFilePlaybackAdministrator2* player)
{
    if (player && GetFile()) GetFile()->TrimLeft(player->GetPosition());
}

void CSliceEditController::ActionTrimRight(CFilePlaybackAdministrator2* player)
{
    if (player && GetFile()) GetFile()->TrimRight(player->GetPosition());
}

void CSliceEditController::ActionSplit(CFilePlaybackAdministrator2* player)
{
    if (player && GetFile()) GetFile()->AddSliceAtTime(player->GetPosition(), player->GetDuration());
}

void CSliceEditController::ActionRemove(CFilePlaybackAdministrator2* player)
{
    if (player && GetFile()) GetFile()->RemoveSliceAtTime(player->GetPosition());
}

double CSliceEditController::SkipPrevious(double time) const
{
    CMediaFile2* file = GetFile();
    if (!file) return 0;
    CSliceDuration2* slice = file->GetSlice(time);
    if (slice && slice->GetStart() != time) return slice->GetStart();
    if (CSliceDuration2* before = file->GetSliceBefore(time))
        return time != before->GetEnd() ? before->GetEnd() : before->GetStart();
    return 0;
}

double CSliceEditController::SkipNext(double time, double limit) const
{
    CMediaFile2* file = GetFile();
    if (!file) return limit;
    CSliceDuration2* slice = file->GetSlice(time);
    if (slice && slice->GetEnd() != time) return slice->GetEnd();
    if (CSliceDuration2* after = file->GetSliceAfter(time))
        return time != after->GetStart() ? after->GetStart() : after->GetEnd();
    return limit;
}

void CSliceEditController::Update(CFilePlaybackAdministrator2* player)
{
    CMediaFile2* file = GetFile();
    const bool video = file && player && player->GetGraph();
    const double position = video ? player->GetPosition() : 0;
    CSliceDuration2* slice = video ? file->GetSlice(position) : nullptr;
    ReflectVideoOn(video);
    ReflectOnClip(slice != nullptr);
    ReflectBetweenClips(video && !slice);
    ReflectOnBoundary(slice && (position == slice->GetStart() || position == slice->GetEnd()));
}

void CSliceEditController::EnableButtons(std::initializer_list<Button> buttons, bool on)
{
    for (Button button : buttons) UWindowsUtils::EnableWindow(m_buttons[button], on);
}

void CSliceEditController::ReflectVideoOn(bool on)
{
    EnableButtons({kPlay, kPause, kStop, kSkipBackward, kSkipForward, kTrimLeft, kTrimRight, kStepBackward,
                   kStepForward, kCaptureFrame},
                  on);
}

void CSliceEditController::ReflectOnClip(bool on) { EnableButtons({kSplit, kRemove}, on); }

void CSliceEditController::ReflectBetweenClips(bool on) { EnableButtons({kAdd}, on); }

void CSliceEditController::ReflectOnBoundary(bool on) { EnableButtons({kMoveBackward, kMoveForward}, on); }

void CSliceEditController::Refresh()
{
    for (CButton* button : m_buttons) UWindowsUtils::EnableWindow(button, false);
}
