#include "dshow/capture/TestVideoCapture.h"

#include "dshow/VideoInfo.h"
#include "dshow/capture/TestDevicePlug.h"
#include "dshow/capture/CaptureDevice.h"
#include "dshow/capture/CaptureFormats.h"
#include "dshow/capture/TestPictureControls.h"

namespace {

// Frame durations of 30, 25 and 15 frames a second.
const std::vector<REFERENCE_TIME> kFrameTimes = {333333, 400000, 666667};

} // namespace

std::vector<CaptureMode> CTestVideoCapture::Modes()
{
    const LONG sizes[][2] = {{320, 240}, {640, 480}, {160, 120}, {352, 288}};
    std::vector<CaptureMode> modes;
    for (const auto& size : sizes) modes.push_back({size[0], size[1], kFrameTimes});
    return modes;
}

HRESULT CTestVideoCapture::Create(REFIID iid, void** object) { return CreateComObject<CTestVideoCapture>(iid, object); }

namespace {

std::unique_ptr<CTestPictureControls> MakeLevels(CTestPictureControls*& kept)
{
    auto levels = std::make_unique<CTestPictureControls>();
    kept = levels.get();
    return levels;
}

} // namespace

CTestVideoCapture::CTestVideoCapture()
    : CCaptureSource(CLSID_TestVideoCapture, u"Capture", RgbFormatsOf(Modes()), FrameTimesOf(Modes())),
      m_controls(static_cast<IBaseFilter*>(this), MakeLevels(m_levels))
{
}

void* CTestVideoCapture::FindInterface(REFIID iid)
{
    if (void* found = m_controls.Find(iid)) return found;
    return CCaptureSource::FindInterface(iid);
}

CTestVideoCapture::~CTestVideoCapture() { OnStop(); }

HRESULT CTestVideoCapture::SetFormat(const AM_MEDIA_TYPE* type)
{
    if (MvTestCameraFault() == kMvTestCameraRefusesFormats) return VFW_E_INVALIDMEDIATYPE;
    return CCaptureSource::SetFormat(type);
}

HRESULT CTestVideoCapture::Open(const AM_MEDIA_TYPE&)
{
    m_frame = 0;
    return S_OK;
}

void CTestVideoCapture::Draw(const VIDEOINFOHEADER& info)
{
    // A gradient that slides sideways and a white square that crosses the picture.
    const LONG width = info.bmiHeader.biWidth, height = std::abs(info.bmiHeader.biHeight);
    const int bytes = info.bmiHeader.biBitCount / 8;
    const size_t stride = size_t((width * bytes + 3) & ~3);
    m_picture.assign(size_t(info.bmiHeader.biSizeImage), 0);
    const LONG side = std::max<LONG>(8, height / 6);
    const LONG boxX = LONG((m_frame * 4) % std::max<LONG>(1, width - side));
    const LONG boxY = (height - side) / 2;
    const std::array<BYTE, 256> levels = m_levels->Levels();
    for (LONG y = 0; y < height; ++y) {
        BYTE* row = m_picture.data() + size_t(y) * stride;
        for (LONG x = 0; x < width; ++x) {
            BYTE* p = row + size_t(x) * size_t(bytes);
            const bool box = x >= boxX && x < boxX + side && y >= boxY && y < boxY + side;
            p[0] = levels[box ? 255 : BYTE((x + m_frame * 2) * 255 / width)];
            p[1] = levels[box ? 255 : BYTE(y * 255 / height)];
            p[2] = levels[box ? 255 : BYTE(255 - (x + m_frame * 2) * 255 / width)];
            if (bytes == 4) p[3] = 0xFF;
        }
    }
}

HRESULT CTestVideoCapture::Capture(const AM_MEDIA_TYPE& format)
{
    const VIDEOINFOHEADER* info = RgbVideoInfo(format);
    const REFERENCE_TIME frameTime = FrameTimeOf(format);
    if (!info || frameTime <= 0) return S_FALSE;
    // A frame that came too late for its turn is dropped, as a camera does.
    m_frame = std::max(m_frame, Now() / frameTime);
    const REFERENCE_TIME start = m_frame * frameTime;
    if (!WaitFor(start)) return VFW_E_WRONG_STATE;
    if (!MvTestCaptureDevicesPlugged()) return Lost();
    Draw(*info);
    ++m_frame;
    const size_t size = MvTestCameraFault() == kMvTestCameraShortPictures ? m_picture.size() / 2 : m_picture.size();
    return DeliverTimed(m_picture.data(), size, start, start + frameTime);
}
