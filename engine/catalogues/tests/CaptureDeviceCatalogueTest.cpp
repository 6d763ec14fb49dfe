#include "CAudioDevicesInfo.h"
#include "CListener.h"
#include "CVideoDevicesInfo.h"
#include "StApplicationId.h"
#include "UPersistStorage.h"
#include "com/ComRuntime.h"
#include "dshow/DeviceInterfaces.h"
#include "dshow/FilterRegistry.h"
#include "win32/TestHome.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace {

class DeviceMessages : public CListener {
public:
    explicit DeviceMessages(CBroadcaster& sender) { sender.AddListener(this); }
    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        if (message == CDevicesInfo::kDeviceAddedMessage || message == CDevicesInfo::kDeviceRemovedMessage) {
            EXPECT_NE(p, nullptr);
            got.emplace_back(message, static_cast<const CCaptureDevice2*>(q)->GetDisplayName());
        }
        return true;
    }
    std::vector<std::pair<long, std::string>> got;
};

TEST(VideoCaptureDeviceTest, SettingsAreKeptOnceAndInOrder)
{
    CVideoCaptureDevice2 device;
    device.AddSetting(640, 480, 30, 3);
    device.AddSetting(320, 240, 15, 3);
    device.AddSetting(640, 480, 30, 3);
    device.AddSetting(640, 480, 25, 4);
    device.AddSetting(640, 360, 30, 4);
    ASSERT_EQ(device.GetSizeCount(), 3);
    EXPECT_EQ(device.GetSize(0)->GetWidth(), 320);
    EXPECT_EQ(device.GetSize(1)->GetHeight(), 360);
    const CVideoCaptureSize2* vga = device.Find(640, 480);
    ASSERT_NE(vga, nullptr);
    ASSERT_EQ(vga->GetFrameRateCount(), 2);
    EXPECT_DOUBLE_EQ(vga->GetFrameRate(0)->GetFrameRate(), 25);
    const CVideoCaptureFrameRate2* thirty = vga->Find(30);
    ASSERT_NE(thirty, nullptr);
    EXPECT_EQ(thirty->GetColorCount(), 1);
    EXPECT_EQ(vga->Find(29.97), nullptr);
    EXPECT_EQ(device.Find(480, 640), nullptr);
}

TEST(VideoCaptureDeviceTest, FrameRateMustBeAboveZero)
{
    CVideoCaptureFrameRate2 rate;
    EXPECT_TRUE(rate.SetFrameRate(25));
    for (double bad : {0.0, -30.0, std::nan("")}) {
        EXPECT_FALSE(rate.SetFrameRate(bad)) << bad;
        EXPECT_DOUBLE_EQ(rate.GetFrameRate(), 25);
    }
    EXPECT_TRUE(rate.SetFrameRate(29.97));
}

TEST(AudioCaptureDeviceTest, ConnectorsByNameAndByAPieceOfIt)
{
    CAudioCaptureDevice2 device;
    device.Add("Microphone");
    device.Add("Line In");
    EXPECT_EQ(device.Add("Line In"), device.GetConnector(0));
    ASSERT_EQ(device.GetConnectorCount(), 2);
    EXPECT_EQ(device.GetConnector(1)->GetName(), "Microphone");
    EXPECT_EQ(device.Find("line in"), nullptr);
    EXPECT_EQ(device.FindClose("PHON"), device.GetConnector(1));
    EXPECT_EQ(device.FindClose("ne i"), device.GetConnector(0));
    EXPECT_EQ(device.FindClose("cd"), nullptr);
}

TEST(DevicesInfoTest, DisplayNamesStayUniqueAndFollowTheirDevice)
{
    CVideoDevicesInfo devices;
    CVideoCaptureDevice2* first = devices.Add("Camera", "moniker-a");
    CVideoCaptureDevice2* second = devices.Add("Camera", "moniker-b");
    CVideoCaptureDevice2* third = devices.Add("Camera", "moniker-c");
    EXPECT_STREQ(second->GetDisplayName(), "Camera 2");
    EXPECT_STREQ(third->GetDisplayName(), "Camera 3");
    EXPECT_EQ(devices.Add("Camera", "moniker-b"), second);
    EXPECT_EQ(devices.Add("Camera", "moniker-a"), first);
    EXPECT_EQ(devices.ValidateDisplayName("Camera", "moniker-d"), "Camera 4");
    EXPECT_EQ(devices.FindDevice("Camera 3"), "moniker-c");
    EXPECT_EQ(devices.FindDevice("Camera 9"), "");
    EXPECT_EQ(devices.GetDeviceCount(), 3);
}

TEST(DevicesInfoTest, SyncAnnouncesOnlyChanges)
{
    CAudioDevicesInfo devices;
    DeviceMessages messages(devices);
    CAudioCaptureDevice2* mic = devices.Add("Mic", "m");
    devices.SyncActivated(nullptr);
    devices.SyncActivated(mic);
    EXPECT_TRUE(messages.got.empty());
    mic->SetTempActivated(true);
    devices.SyncActivated(mic);
    EXPECT_TRUE(mic->IsActivated());
    mic->SetTempActivated(false);
    devices.SyncActivated(mic);
    EXPECT_FALSE(mic->IsActivated());
    EXPECT_EQ(messages.got, (std::vector<std::pair<long, std::string>>{
                                {CDevicesInfo::kDeviceAddedMessage, "Mic"}, {CDevicesInfo::kDeviceRemovedMessage, "Mic"}}));
}

TEST(DevicesInfoTest, TheFirstCatalogueIsTheProcessWideOne)
{
    ASSERT_EQ(CVideoDevicesInfo::sInfo, nullptr);
    {
        CVideoDevicesInfo first;
        CVideoDevicesInfo second;
        CVideoDevicesInfo copy(first);
        EXPECT_EQ(CVideoDevicesInfo::sInfo, &first);
    }
    EXPECT_EQ(CVideoDevicesInfo::sInfo, nullptr);
}

HRESULT NoFilter(REFIID, void** object)
{
    *object = nullptr;
    return E_FAIL;
}

const CLSID kCameraA = {0x5C1A0001, 0x1111, 0x2222, {1, 2, 3, 4, 5, 6, 7, 8}};
const CLSID kCameraB = {0x5C1A0002, 0x1111, 0x2222, {1, 2, 3, 4, 5, 6, 7, 8}};

class CaptureFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        StApplicationId::sId = &m_app;
        CoInitialize(nullptr);
    }
    void TearDown() override
    {
        DShowUnregisterFilter(kCameraA);
        DShowUnregisterFilter(kCameraB);
        CoUninitialize();
        StApplicationId::sId = m_previous;
    }
    static void Plug(REFCLSID clsid, const char* name)
    {
        DShowRegisterFilter(clsid, name, FilterRole::Other, 0, NoFilter, CLSID_VideoInputDeviceCategory);
    }

    MvTestHome m_home;
    StApplicationId* m_previous = StApplicationId::sId;
    StApplicationId m_app{98102};
};

TEST_F(CaptureFileTest, StoredDevicesAreFoundAgainAndNewOnesNamedApart)
{
    Plug(kCameraA, "Camera");
    std::string moniker;
    {
        CVideoDevicesInfo found;
        found.AddSystemDevices();
        ASSERT_EQ(found.GetDeviceCount(), 1);
        CCaptureDevice2* camera = found.GetDevice(0);
        moniker = camera->GetDeviceName();
        EXPECT_TRUE(camera->IsActivated());
        auto* video = dynamic_cast<CVideoCaptureDevice2*>(camera);
        ASSERT_NE(video, nullptr);
        video->AddSetting(640, 480, 30, 3);
        video->SetIsDv(true);
        // Seen before on another port: the same friendly name, another moniker.
        found.Add("Webcam", "@device:old\\Webcam");
        ASSERT_TRUE(UPersistStorage::SystemSave(found, CVideoDevicesInfo::kFileInfoName, CVideoDevicesInfo::kFileName));
    }
    CVideoDevicesInfo devices;
    ASSERT_TRUE(UPersistStorage::SystemLoad(devices, CVideoDevicesInfo::kFileInfoName, CVideoDevicesInfo::kFileName));
    ASSERT_EQ(devices.GetDeviceCount(), 2);
    EXPECT_FALSE(devices.GetDevice(0)->IsActivated());

    Plug(kCameraB, "Webcam");
    DeviceMessages messages(devices);
    devices.LiveUpdate();
    ASSERT_EQ(devices.GetDeviceCount(), 3);
    auto* stored = dynamic_cast<CVideoCaptureDevice2*>(devices.Find("Camera"));
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(std::string(stored->GetDeviceName()), moniker);
    EXPECT_TRUE(stored->IsActivated());
    EXPECT_TRUE(stored->GetIsDv());
    EXPECT_NE(stored->Find(640, 480), nullptr);
    EXPECT_FALSE(devices.Find("Webcam")->IsActivated());
    ASSERT_NE(devices.Find("Webcam 2"), nullptr);
    EXPECT_TRUE(devices.Find("Webcam 2")->IsActivated());
    EXPECT_NE(std::string(devices.FindDevice("Webcam 2")), "@device:old\\Webcam");
    EXPECT_EQ(messages.got, (std::vector<std::pair<long, std::string>>{{CDevicesInfo::kDeviceAddedMessage, "Camera"},
                                                                       {CDevicesInfo::kDeviceAddedMessage, "Webcam 2"}}));

    // Unplugged, the stored device stays, inactive, with what was found out about it.
    DShowUnregisterFilter(kCameraA);
    messages.got.clear();
    devices.LiveUpdate();
    EXPECT_FALSE(stored->IsActivated());
    EXPECT_NE(stored->Find(640, 480), nullptr);
    EXPECT_EQ(messages.got, (std::vector<std::pair<long, std::string>>{{CDevicesInfo::kDeviceRemovedMessage, "Camera"}}));
}

}  // namespace
