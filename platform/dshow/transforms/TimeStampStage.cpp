#include "dshow/transforms/TimeStampStage.h"

#include "dshow/BasePin.h"
#include "dshow/VideoInfo.h"
#include "dshow/transforms/PictureDrawing.h"
#include "dshow/transforms/TransformIds.h"

#include <cstdio>
#include <ctime>

HRESULT CTimeStampStage::Create(REFIID iid, void** object) { return CreateComObject<CTimeStampStage>(iid, object); }

CTimeStampStage::CTimeStampStage() : CVideoStageFilter(CLSID_TimeStamp) {}

void* CTimeStampStage::FindInterface(REFIID iid)
{
    if (iid == ITimeStampSettings::kIid) return static_cast<ITimeStampSettings*>(this);
    return CVideoStageFilter::FindInterface(iid);
}

HRESULT CTimeStampStage::SetStamping(BYTE on)
{
    m_stamping = on != 0;
    return S_OK;
}

HRESULT CTimeStampStage::Picture(const MediaSample& sample)
{
    const VIDEOINFOHEADER* info = InputInfo();
    if (!m_stamping || !info) return Pass(sample);
    m_picture.assign(sample.data, sample.data + sample.size);
    VideoPicture picture = PictureOf(*info, m_picture.data());
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", local.tm_hour, local.tm_min, local.tm_sec);
    const LONG scale = std::max<LONG>(1, picture.height / 120);
    const LONG width = DigitsWidth(text, scale) + 2 * scale, height = 9 * scale;
    const LONG x = picture.width - width - 2 * scale, y = picture.height - height - 2 * scale;
    PaintRect(picture, x, y, width, height, 0, 0, 0);
    DrawDigits(picture, x + scale, y + scale, text, scale, 255, 255, 255);
    MediaSample stamped = sample;
    stamped.data = m_picture.data();
    return Pass(stamped);
}
