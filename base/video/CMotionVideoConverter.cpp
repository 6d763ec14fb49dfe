#include "CMotionVideoConverter.h"

#include <algorithm>

#include "CAspectRatioConverter.h"
#include "CMotionRecord.h"

CMotionVideoConverter::CMotionVideoConverter(const CMotionVideoConverter& other) : CAutoVideoConverter(other)
{
    m_sensitivity = other.m_sensitivity;
    m_motionDuration = other.m_motionDuration;
}

CMotionVideoConverter& CMotionVideoConverter::operator=(const CMotionVideoConverter& other)
{
    if (this != &other) {
        CAutoVideoConverter::operator=(other);
        DeleteRecords();
        m_sensitivity = other.m_sensitivity;
        m_motionDuration = other.m_motionDuration;
    }
    return *this;
}

CMotionVideoConverter::~CMotionVideoConverter()
{
    DeleteRecords();
}

void CMotionVideoConverter::DeleteRecords()
{
    for (int i = 0; i < m_records.GetItemCount(); ++i)
        delete static_cast<CMotionRecord*>(m_records.GetAt(i));
    m_records.RemoveAll();
}

void CMotionVideoConverter::Reset()
{
    DeleteRecords();
    // A changed setting must reach the scaler, or it would write the old format.
    CVideoConverter::Reset();
}

void CMotionVideoConverter::SetMotionDuration(double seconds)
{
    if (seconds > 0.1)
        m_motionDuration = seconds;
}

void CMotionVideoConverter::Convert(BYTE* in, BYTE* out, double time)
{
    m_currentTime = time;
    CAutoVideoConverter::Convert(in, out, time);
}

bool CMotionVideoConverter::NeedBridge(EColorFormat& format, unsigned short&, unsigned short&)
{
    format = m_outputColor;
    return false;
}

void CMotionVideoConverter::Initialize()
{
    if (m_detector.GetInputColor() != m_inputColor || m_detector.GetOriginalWidth() != m_originalWidth ||
        m_detector.GetOriginalHeight() != m_originalHeight) {
        m_detector.SetInputColor(m_inputColor);
        m_detector.SetOriginalWidth(m_originalWidth);
        m_detector.SetOriginalHeight(m_originalHeight);
        m_detector.ResetFlags();
    }
    if (m_camera.GetOriginalWidth() != m_originalWidth || m_camera.GetOriginalHeight() != m_originalHeight) {
        m_camera.SetOriginalWidth(m_originalWidth);
        m_camera.SetOriginalHeight(m_originalHeight);
    }
    CAutoVideoConverter::Initialize();
}

void CMotionVideoConverter::ScaleWithoutBridge(BYTE* in, BYTE* out)
{
    MotionInput(in);
    CAutoVideoConverter::ScaleWithoutBridge(in, out);
}

void CMotionVideoConverter::MotionInput(BYTE* in)
{
    m_detector.SetInputData(in);
    m_detector.Scale();
    if (m_detector.GetLastMotion() == 1) {
        unsigned short x, y, w, h;
        m_detector.GetMotionRect(x, y, w, h);
        m_records.Add(new CMotionRecord(CArea(x, y, w, h), m_currentTime));
    }
    for (int i = m_records.GetItemCount() - 1; i >= 0; --i) {
        auto* record = static_cast<CMotionRecord*>(m_records.GetAt(i));
        if (record->GetTime() < m_currentTime - m_motionDuration) {
            m_records.RemoveAt(i);
            delete record;
        }
    }
    if (m_records.GetItemCount() == 0 || !m_scaler)
        return;

    int x1 = 65535, y1 = 65535, x2 = 0, y2 = 0;
    for (int i = 0; i < m_records.GetItemCount(); ++i) {
        const auto* r = static_cast<const CMotionRecord*>(m_records.GetAt(i));
        x1 = std::min<int>(x1, r->GetLeft());
        y1 = std::min<int>(y1, r->GetTop());
        x2 = std::max(x2, r->GetLeft() + r->GetWidth() - 1);
        y2 = std::max(y2, r->GetTop() + r->GetHeight() - 1);
    }
    // A margin of an eighth around the motion.
    const int ow = m_originalWidth, oh = m_originalHeight;
    const int mx = (x2 - x1) >> 3, my = (y2 - y1) >> 3;
    x1 = mx < x1 ? x1 - mx : 0;
    x2 = x2 + mx > ow - 1 ? ow - mx - 1 : x2 + mx;
    y1 = my < y1 ? y1 - my : 0;
    y2 = y2 + my > oh - 1 ? oh - my - 1 : y2 + my;

    auto clip = [](int v) { return static_cast<unsigned short>(std::clamp(v, 0, 65535)); };
    unsigned short cx1 = clip(x1), cx2 = clip(x2), cy1 = clip(y1), cy2 = clip(y2);
    m_camera.ZoomTo(cx1, cx2, cy1, cy2);

    CAspectRatioConverter aspect;
    aspect.SetOriginalRect(m_inputAspectRatio, m_originalWidth, m_originalHeight);
    aspect.SetTargetRect(m_outputAspectRatio, m_targetWidth, m_targetHeight);
    CArea input, output;
    const CArea area(cx1, cy1, static_cast<unsigned short>(cx2 - cx1 + 1), static_cast<unsigned short>(cy2 - cy1 + 1));
    if (!aspect.GetInclusiveIoRect(area, input, output))
        return;
    SetInputRect(input.GetLeft(), input.GetTop(), input.GetWidth(), input.GetHeight());
    SetOutputRect(output.GetLeft(), output.GetTop(), output.GetWidth(), output.GetHeight());
    CVideoScaler& scaler = *m_scaler;
    const bool moved = scaler.GetInputX() != m_inputX || scaler.GetInputY() != m_inputY ||
                       scaler.GetInputWidth() != m_inputWidth || scaler.GetInputHeight() != m_inputHeight;
    CopyInputInfo(&scaler);
    CopyOutputInfo(&scaler);
    // The processor's setters leave the scaler's maps alone: rebuild them for the new framing.
    if (moved)
        scaler.ResetFlags();
}
