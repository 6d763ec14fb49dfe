#include "CAdjustedFilePlaybackAdministrator2.h"

#include "CAdjustedRenderOutputFilters2.h"
#include "StWaitCursor.h"
#include "win32/kernel/Threads.h"

CAdjustedFilePlaybackAdministrator2::~CAdjustedFilePlaybackAdministrator2()
{
    Release();
}

void CAdjustedFilePlaybackAdministrator2::SetFlip(EImageFlip flip)
{
    Change(m_flip, flip);
}

void CAdjustedFilePlaybackAdministrator2::SetRotation(EImageRotation rotation)
{
    Change(m_rotation, rotation);
}

void CAdjustedFilePlaybackAdministrator2::SetInputAspectRatio(double ratio)
{
    Change(m_inputAspect, ratio);
}

void CAdjustedFilePlaybackAdministrator2::SetOutputAspectRatio(double ratio)
{
    Change(m_outputAspect, ratio);
}

void CAdjustedFilePlaybackAdministrator2::SetScaling(TVideoScaling scaling)
{
    Change(m_scaling, scaling);
}

bool CAdjustedFilePlaybackAdministrator2::GetNeedsScaler() const
{
    return m_cropRight - m_cropLeft != m_width || m_cropBottom - m_cropTop != m_height || m_scaling != 0 ||
           m_inputAspect != m_outputAspect || m_flip != 0 || m_rotation != 0;
}

void CAdjustedFilePlaybackAdministrator2::SetNeedsScaler(bool needs)
{
    if (needs != m_needsScaler) {
        m_needsScaler = needs;
        m_refresh = true;
    } else if (needs) {
        m_refresh = true;
    }
}

bool CAdjustedFilePlaybackAdministrator2::CreateRenderOutputFilters()
{
    if (!m_renderOutput) {
        auto* set = new CAdjustedRenderOutputFilters2(m_graph);
        ConfigureRenderSet(set);
        set->SetWidth(m_width);
        set->SetHeight(m_height);
        set->SetCropLeft(m_cropLeft);
        set->SetCropRight(m_cropRight);
        set->SetCropTop(m_cropTop);
        set->SetCropBottom(m_cropBottom);
        set->SetFlip(m_flip);
        set->SetRotation(m_rotation);
        set->SetInputAspectRatio(m_inputAspect);
        set->SetOutputAspectRatio(m_outputAspect);
        set->SetScaling(m_scaling);
        SetRenderOutputFilters(set);
    }
    m_refresh = false;
    return true;
}

void CAdjustedFilePlaybackAdministrator2::Refresh()
{
    if (!m_refresh) return;
    StWaitCursor wait;
    Stop();
    StopTimer();
    Sleep(50);
    Disconnect();
    Release();
    if (Create())
        Pause();
    else
        Release();
}

void CAdjustedFilePlaybackAdministrator2::Reset()
{
    CFilePlaybackAdministrator2::Reset();
    m_width = m_height = 0;
    m_cropLeft = m_cropTop = m_cropRight = m_cropBottom = 0;
    m_flip = EImageFlip(0);
    m_rotation = EImageRotation(0);
    m_inputAspect = m_outputAspect = 0;
    m_scaling = TVideoScaling(0);
    m_needsScaler = false;
    m_refresh = true;
}
