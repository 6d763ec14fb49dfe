#include "dshow/DShowInterfaces.h"
#include "dshow/DeviceInterfaces.h"
#include "dshow/FilterExtraInterfaces.h"
#include "dshow/MediaType.h"
#include "dshow/SinkFilter.h"
#include "dshow/VideoInfo.h"
#include "dshow/capture/CaptureDevice.h"
#include "dshow/capture/CaptureInterfaces.h"
#include "dshow/capture/VideoProcAmp.h"
#include "DeviceListing.h"

#include "com/ComObject.h"
#include "com/ComRuntime.h"
#include "com/PropertyPage.h"
#include "win32/controls/CommCtrl.h"
#include "win32/controls/CtlTrackbar.h"
#include "win32/controls/CtlUser.h"
#include "win32/controls/CtlWindow.h"
#include "win32/dialogs/Dialog.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/windowing/Window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace {

constexpr CLSID CLSID_PictureSink = {0x6A2D2F01, 0x51C3, 0x4E0B, {0x9B, 0x1E, 0x30, 0x44, 0x7C, 0x10, 0x8F, 0xF1}};

// Keeps the lowest and highest byte of the last picture.
class CPictureSink : public CSinkFilter {
public:
    CPictureSink() : CSinkFilter(CLSID_PictureSink) { AddPin(PINDIR_INPUT, u"In"); }
    HRESULT CheckMediaType(CBasePin*, const AM_MEDIA_TYPE& type) override
    {
        return type.majortype == MEDIATYPE_Video ? S_OK : E_FAIL;
    }
    HRESULT Receive(CBasePin*, const MediaSample& sample) override
    {
        const auto [low, high] = std::minmax_element(sample.data, sample.data + sample.size);
        std::lock_guard lock(m_lock);
        m_low = *low;
        m_high = *high;
        ++m_pictures;
        return S_OK;
    }
    // True once a picture arrives, after this call, whose bytes all lie in [low, high].
    bool WaitForPicture(int low, int high)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        int seen = Pictures();
        while (std::chrono::steady_clock::now() < deadline) {
            {
                std::lock_guard lock(m_lock);
                if (m_pictures > seen + 1 && m_low >= low && m_high <= high) return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return false;
    }
    int Pictures()
    {
        std::lock_guard lock(m_lock);
        return m_pictures;
    }

private:
    std::mutex m_lock;
    int m_pictures = 0;
    BYTE m_low = 0, m_high = 0;
};

class PictureControlsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
        setenv("MORVANE_TEST_DEVICES", "1", 1);
        ICreateDevEnum* devices = nullptr;
        ASSERT_EQ(S_OK, CoCreateInstance(CLSID_SystemDeviceEnum, nullptr, CLSCTX_INPROC_SERVER, ICreateDevEnum::kIid,
                                         reinterpret_cast<void**>(&devices)));
        for (ListedDevice& device : ListDevices(devices, CLSID_VideoInputDeviceCategory)) {
            if (device.friendlyName == "Test Video Capture" && !m_camera)
                device.moniker->BindToObject(nullptr, nullptr, IBaseFilter::kIid, reinterpret_cast<void**>(&m_camera));
            device.moniker->Release();
        }
        devices->Release();
        ASSERT_NE(m_camera, nullptr);
        ASSERT_EQ(S_OK, QueryInterfaceTo(m_camera, &m_controls));
    }
    void TearDown() override
    {
        SafeRelease(m_controls);
        SafeRelease(m_camera);
        unsetenv("MORVANE_TEST_DEVICES");
        CoUninitialize();
    }

    long Brightness()
    {
        long value = 0, flags = 0;
        EXPECT_EQ(S_OK, m_controls->Get(VideoProcAmp_Brightness, &value, &flags));
        return value;
    }

    // Shows the camera's settings; `user` acts in the frame once it is shown.
    HRESULT ShowFrame(std::function<void(HWND frame)> user)
    {
        ISpecifyPropertyPages* pages = nullptr;
        EXPECT_EQ(S_OK, QueryInterfaceTo(m_camera, &pages));
        CAUUID ids{};
        EXPECT_EQ(S_OK, pages->GetPages(&ids));
        pages->Release();
        MvScriptModal(std::move(user));
        IUnknown* object = m_camera;
        const HRESULT shown = OleCreatePropertyFrame(nullptr, 0, 0, u"Test Video Capture", 1, &object, ids.cElems,
                                                     ids.pElems, 0, 0, nullptr);
        CoTaskMemFree(ids.pElems);
        return shown;
    }

    IBaseFilter* m_camera = nullptr;
    IAMVideoProcAmp* m_controls = nullptr;
};

// The page's window among the frame's children: the one that holds the first slider.
HWND PageSlider(HWND frame)
{
    HWND found = nullptr;
    EnumChildWindows(
        frame,
        [](HWND child, LPARAM out) -> BOOL {
            if (GetDlgCtrlID(child) == 100 && CtlModelAs<CtlTrackbar>(child)) {
                *reinterpret_cast<HWND*>(out) = child;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

std::string TextOf(HWND window)
{
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

TEST_F(PictureControlsTest, RangesValuesAndRefusals)
{
    long min = 0, max = 0, step = 0, def = 0, caps = 0;
    ASSERT_EQ(S_OK, m_controls->GetRange(VideoProcAmp_Brightness, &min, &max, &step, &def, &caps));
    EXPECT_EQ(min, -100);
    EXPECT_EQ(max, 100);
    EXPECT_EQ(def, 0);
    EXPECT_EQ(caps, VideoProcAmp_Flags_Manual);
    EXPECT_EQ(E_PROP_ID_UNSUPPORTED, m_controls->GetRange(VideoProcAmp_Hue, &min, &max, &step, &def, &caps));
    EXPECT_EQ(E_PROP_ID_UNSUPPORTED, m_controls->Set(VideoProcAmp_Gain, 1, VideoProcAmp_Flags_Manual));
    struct Case {
        long value, flags;
        HRESULT expected;
    } cases[] = {{40, VideoProcAmp_Flags_Manual, S_OK},
                 {101, VideoProcAmp_Flags_Manual, E_INVALIDARG},
                 {-101, VideoProcAmp_Flags_Manual, E_INVALIDARG},
                 {10, VideoProcAmp_Flags_Auto, E_INVALIDARG}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(c.expected, m_controls->Set(VideoProcAmp_Brightness, c.value, c.flags));
        EXPECT_EQ(40, Brightness());
    }
}

TEST_F(PictureControlsTest, BrightnessShowsInThePicturesBeingCaptured)
{
    IGraphBuilder* graph = nullptr;
    ASSERT_EQ(S_OK, CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IGraphBuilder::kIid,
                                     reinterpret_cast<void**>(&graph)));
    auto* sink = new CPictureSink;
    graph->AddFilter(m_camera, u"Camera");
    graph->AddFilter(sink, u"Sink");
    IPin *out = nullptr, *in = nullptr;
    ASSERT_EQ(S_OK, m_camera->FindPin(u"Capture", &out));
    ASSERT_EQ(S_OK, sink->FindPin(u"In", &in));
    CMediaType format;
    MakeRgbVideoType(format, MEDIASUBTYPE_RGB24, 160, 120, 333333);
    ASSERT_EQ(S_OK, graph->ConnectDirect(out, in, &format));
    IMediaControl* control = nullptr;
    ASSERT_EQ(S_OK, QueryInterfaceTo(graph, &control));
    ASSERT_EQ(S_OK, control->Run());

    // The pattern spans dark and light; at either end of brightness it is one flat level.
    EXPECT_TRUE(sink->WaitForPicture(0, 255));
    ASSERT_EQ(S_OK, m_controls->Set(VideoProcAmp_Brightness, -100, VideoProcAmp_Flags_Manual));
    EXPECT_TRUE(sink->WaitForPicture(0, 0));
    ASSERT_EQ(S_OK, m_controls->Set(VideoProcAmp_Brightness, 100, VideoProcAmp_Flags_Manual));
    EXPECT_TRUE(sink->WaitForPicture(255, 255));

    control->Stop();
    control->Release();
    in->Release();
    out->Release();
    graph->RemoveFilter(sink);
    graph->RemoveFilter(m_camera);
    sink->Release();
    graph->Release();
}

TEST_F(PictureControlsTest, TheSettingsPageSetsTheCameraOnlyWhenApplied)
{
    // Cancel: the slider moved, the camera untouched.
    EXPECT_EQ(S_OK, ShowFrame([](HWND frame) {
        EXPECT_EQ(TextOf(frame), "Test Video Capture Properties");
        HWND slider = PageSlider(frame);
        ASSERT_NE(slider, nullptr);
        CtlTrackbar* bar = CtlModelAs<CtlTrackbar>(slider);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(frame, 0x3021)));
        CtlUserDrag(slider, bar->PointOf(bar->Pos()), bar->PointOf(60));
        MvPumpUntilIdle();
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(frame, 0x3021)));
        SendMessageA(frame, WM_COMMAND, IDCANCEL, 0);
    }));
    EXPECT_EQ(0, Brightness());

    // Apply sets at once and greys itself; OK keeps what was applied and sets the rest.
    long applied = 0, kept = 0;
    EXPECT_EQ(S_OK, ShowFrame([&](HWND frame) {
        HWND slider = PageSlider(frame);
        ASSERT_NE(slider, nullptr);
        CtlTrackbar* bar = CtlModelAs<CtlTrackbar>(slider);
        CtlUserDrag(slider, bar->PointOf(bar->Pos()), bar->PointOf(-50));
        MvPumpUntilIdle();
        applied = bar->Pos();
        SendMessageA(frame, WM_COMMAND, 0x3021, 0);
        EXPECT_EQ(applied, Brightness());
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(frame, 0x3021)));
        CtlUserDrag(slider, bar->PointOf(bar->Pos()), bar->PointOf(30));
        MvPumpUntilIdle();
        kept = bar->Pos();
        SendMessageA(frame, WM_COMMAND, IDOK, 0);
    }));
    EXPECT_NEAR(applied, -50, 2);
    EXPECT_NEAR(kept, 30, 2);
    EXPECT_EQ(kept, Brightness());
}

TEST_F(PictureControlsTest, AFrameWithoutAnyPageIsRefused)
{
    const CLSID nobody = {0x6A2D2F02, 0x51C3, 0x4E0B, {0x9B, 0x1E, 0x30, 0x44, 0x7C, 0x10, 0x8F, 0xF2}};
    IUnknown* object = m_camera;
    EXPECT_EQ(E_FAIL, OleCreatePropertyFrame(nullptr, 0, 0, u"x", 1, &object, 1, &nobody, 0, 0, nullptr));
    EXPECT_EQ(E_POINTER, OleCreatePropertyFrame(nullptr, 0, 0, u"x", 1, &object, 1, nullptr, 0, 0, nullptr));
}

} // namespace
