#include "CDirectShowFilter.h"

#include "com/ComRuntime.h"
#include "com/OleAuto.h"
#include "dshow/DShowInterfaces.h"
#include "dshow/DeviceInterfaces.h"
#include "dshow/capture/CaptureDevice.h"
#include "win32/dialogs/Dialog.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/windowing/Window.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

// A holder of a filter that a device gave, as the capture sets hold theirs.
class CBoundFilter : public CDirectShowFilter {
public:
    // Naming a holder lets go of its filter, so the name comes first.
    CBoundFilter(IBaseFilter* filter, const char* name)
    {
        SetName(name);
        m_filter = filter;
        if (m_filter) m_filter->AddRef();
    }
};

IBaseFilter* BindDevice(REFCLSID category, const std::string& name)
{
    ICreateDevEnum* devices = nullptr;
    if (FAILED(CoCreateInstance(CLSID_SystemDeviceEnum, nullptr, CLSCTX_INPROC_SERVER, ICreateDevEnum::kIid,
                                reinterpret_cast<void**>(&devices))))
        return nullptr;
    IBaseFilter* found = nullptr;
    IEnumMoniker* list = nullptr;
    if (devices->CreateClassEnumerator(category, &list, 0) == S_OK) {
        IMoniker* moniker = nullptr;
        while (!found && list->Next(1, &moniker, nullptr) == S_OK) {
            IPropertyBag* bag = nullptr;
            if (SUCCEEDED(moniker->BindToStorage(nullptr, nullptr, IPropertyBag::kIid, reinterpret_cast<void**>(&bag)))) {
                VARIANT value;
                VariantInit(&value);
                if (SUCCEEDED(bag->Read(u"FriendlyName", &value, nullptr)) && value.vt == VT_BSTR &&
                    std::u16string(value.bstrVal) == std::u16string(name.begin(), name.end()))
                    moniker->BindToObject(nullptr, nullptr, IBaseFilter::kIid, reinterpret_cast<void**>(&found));
                VariantClear(&value);
                bag->Release();
            }
            moniker->Release();
        }
        list->Release();
    }
    devices->Release();
    return found;
}

class FilterSettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
        setenv("MORVANE_TEST_DEVICES", "1", 1);
    }
    void TearDown() override
    {
        unsetenv("MORVANE_TEST_DEVICES");
        CoUninitialize();
    }
};

TEST_F(FilterSettingsTest, ACameraShowsItsPagesInAFrameNamedAfterIt)
{
    IBaseFilter* camera = BindDevice(CLSID_VideoInputDeviceCategory, "Test Video Capture");
    ASSERT_NE(camera, nullptr);
    CBoundFilter filter(camera, "Test Video Capture");
    camera->Release();
    ASSERT_TRUE(filter.HasSettings());
    std::string caption;
    MvScriptModal([&](HWND frame) {
        char text[256] = {};
        GetWindowTextA(frame, text, sizeof text);
        caption = text;
        SendMessageA(frame, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_TRUE(filter.ShowSettings());
    EXPECT_EQ(caption, "Test Video Capture Properties");
}

TEST_F(FilterSettingsTest, AFilterWithoutPagesHasNoSettingsToShow)
{
    IBaseFilter* microphone = BindDevice(CLSID_AudioInputDeviceCategory, "Test Audio Capture");
    ASSERT_NE(microphone, nullptr);
    CBoundFilter filter(microphone, "Test Audio Capture");
    microphone->Release();
    EXPECT_FALSE(filter.HasSettings());
    EXPECT_FALSE(filter.ShowSettings());
    CDirectShowFilter empty;
    EXPECT_FALSE(empty.HasSettings());
    EXPECT_FALSE(empty.ShowSettings());
}

} // namespace
