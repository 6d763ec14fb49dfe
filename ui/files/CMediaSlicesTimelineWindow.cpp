#include "CMediaSlicesTimelineWindow.h"

#include "CFilePlaybackAdministrator2.h"
#include "CMediaFile2.h"
#include "CSliceDuration2.h"
#include "CSliceDuration2Panel.h"
#include "CSliceDurationNode.h"
#include "UTimecodeUtils.h"
#include "afx/windows/MessageMap.h"

#include <algorithm>

namespace {
constexpr int kXOrigin = 4;
constexpr int kYOrigin = 12;
constexpr double kEmptyDuration = 10;
constexpr double kFallbackPixelsPerSecond = 10;
} // namespace

BEGIN_MESSAGE_MAP(CMediaSlicesTimelineWindow, CTimelineWindow)
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

CMediaSlicesTimelineWindow::CMediaSlicesTimelineWindow()
{
    SetOrigins(kXOrigin, kYOrigin);
    GetThumb().GetSkin().SetBitmapId(kThumbBitmapId);
}

CMediaFile2* CMediaSlicesTimelineWindow::GetMediaFile() const
{
    return dynamic_cast<CMediaFile2*>(CTimelineWindow::GetObjectA());
}

double CMediaSlicesTimelineWindow::GetDuration()
{
    if (CMediaFile2* file = GetMediaFile()) {
        // The trim slice's range; a file not yet cut is kept whole, over its own duration.
        // Reading it must not add the slice that GetSlice() would create.
        CSliceDuration2* trim = file->GetSliceAt(0);
        return trim ? trim->GetMax() : file->GetDuration();
    }
    CFilePlaybackAdministrator2* player = GetPlayer();
    const double playerDuration = player ? player->GetDuration() : 0;
    return playerDuration > 0 ? playerDuration : kEmptyDuration;
}

double CMediaSlicesTimelineWindow::GetPixelPerSecond()
{
    const double duration = GetDuration();
    if (!GetMediaFile() || duration == 0) return kFallbackPixelsPerSecond;
    CRect client(0, 0, 0, 0);
    if (m_hWnd) GetClientRect(&client);
    return (client.Width() - 2 * GetXOrigin()) / duration;
}

double CMediaSlicesTimelineWindow::GetXScale()
{
    return GetMediaFile() ? GetPixelPerSecond() : 1;
}

double CMediaSlicesTimelineWindow::ValidateTime(double time)
{
    if (!GetMediaFile()) return 0;
    return std::clamp(time, 0.0, std::max(0.0, GetDuration()));
}

CString CMediaSlicesTimelineWindow::GetTimeText()
{
    CString text = UTimecodeUtils::Format(GetTime());
    text += " / ";
    text += UTimecodeUtils::Format(GetDuration());
    return text;
}

void CMediaSlicesTimelineWindow::SetTimeSelf(double time, bool byUser)
{
    CTimelineWindow::SetTimeSelf(time, byUser);
    CFilePlaybackAdministrator2* player = GetPlayer();
    if (player && byUser && !player->IsPlaying()) {
        player->SetPosition(GetTime());
        player->Pause();
    }
}

void CMediaSlicesTimelineWindow::ReflectTime()
{
    CTimelineWindow::ReflectTime();
    if (CMediaFile2* file = GetMediaFile()) SetSliceSelection(file->GetSlice(GetTime()));
}

bool CMediaSlicesTimelineWindow::SetObject(CPersistObject* object)
{
    const bool changed = CTimelineWindow::SetObject(object);
    if (CMediaFile2* file = GetMediaFile()) SetSliceSelection(file->GetSlice(GetTime()));
    ReflectTime();
    return changed;
}

CPersistList* CMediaSlicesTimelineWindow::GetList(CPersistObject* object)
{
    auto* file = dynamic_cast<CMediaFile2*>(object);
    return file ? &file->GetSlices() : nullptr;
}

CObjectDisplay* CMediaSlicesTimelineWindow::CreateChildDisplay(CPersistObject* object)
{
    if (!object) return nullptr;
    auto* node = new CSliceDurationNode(this);
    node->SetVideo(GetMediaFile());
    m_nodeHeight = CSliceDurationNode::sTubeHeight;
    return node;
}

void CMediaSlicesTimelineWindow::TellPlayer()
{
    if (GetPlayer()) GetPlayer()->ChangePosition();
}

CObjectDisplay* CMediaSlicesTimelineWindow::CreateChild(CPersistObject* object, int index)
{
    CObjectDisplay* child = CTimelineWindow::CreateChild(object, index);
    TellPlayer();
    return child;
}

void CMediaSlicesTimelineWindow::RemoveChildDisplay(CObjectDisplay* child)
{
    if (child && child->GetObjectA() && child->GetObjectA() == static_cast<CPersistObject*>(GetSliceSelection()))
        SetSliceSelection(nullptr);
    CTimelineWindow::RemoveChildDisplay(child);
    TellPlayer();
}

void CMediaSlicesTimelineWindow::DisplayChanged(CObjectDisplay* display)
{
    CTimelineWindow::DisplayChanged(display);
    TellPlayer();
}

void CMediaSlicesTimelineWindow::SetSliceSelection(CSliceDuration2* slice)
{
    if (slice == CSliceDurationNode::sSelection) return;
    CSliceDurationNode::sSelection = slice;
    Redraw();
    CTimelineWindow::Broadcast(kSliceSelectionChangedMessage, nullptr, nullptr);
    ShowSelectionInPanel();
}

CSliceDuration2* CMediaSlicesTimelineWindow::GetSliceSelection()
{
    return CSliceDurationNode::sSelection;
}

void CMediaSlicesTimelineWindow::ShowSelectionInPanel()
{
    if (!m_durationPanel) return;
    CSliceDuration2* slice = GetSliceSelection();
    // The page edits the slice through its file, so that neighbours follow.
    m_durationPanel->SetMediaFile(GetMediaFile());
    m_durationPanel->SetObject(slice);
    if (m_durationPanel->m_hWnd) m_durationPanel->ShowWindow(slice ? SW_SHOW : SW_HIDE);
}

void CMediaSlicesTimelineWindow::SetDurationPanel(CSliceDuration2Panel* panel)
{
    m_durationPanel = panel;
    // The page shows the selection from the start, not only from the next change.
    ShowSelectionInPanel();
    ReflectTime();
}

void CMediaSlicesTimelineWindow::SetPlayer(CFilePlaybackAdministrator2* player)
{
    CPlaybackInterface::SetPlayer(player);
    ReflectTime();
}

void CMediaSlicesTimelineWindow::UpdateCreate() { Redraw(); }

void CMediaSlicesTimelineWindow::UpdateState() { ReflectTime(); }

void CMediaSlicesTimelineWindow::UpdatePosition()
{
    if (GetPlayer()) SetTime(GetPlayer()->GetPosition(), false);
}

void CMediaSlicesTimelineWindow::OnLButtonUp(UINT flags, CPoint point)
{
    const double pixelsPerSecond = GetPixelPerSecond();
    if (pixelsPerSecond != 0) {
        SetTime((point.x - GetXOrigin()) / pixelsPerSecond, true);
        CTimelineWindow::Broadcast(kTimelineTimeChosenMessage, nullptr, nullptr);
    }
    CTimelineWindow::OnLButtonUp(flags, point);
}
