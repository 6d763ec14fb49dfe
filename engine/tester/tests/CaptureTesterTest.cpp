#include "CAudioCaptureDevice2.h"
#include "CAudioCaptureTestAdministrator2.h"
#include "CAudioDevicesInfo.h"
#include "CDirectShowSystem2.h"
#include "CListener.h"
#include "CMorvaneDirectShowApp2.h"
#include "CVideoCaptureDevice2.h"
#include "CVideoCaptureTestAdministrator2.h"
#include "CVideoDevicesInfo.h"
#include "SNotifyRecord.h"
#include "StDirectShow.h"
#include "UPersistStorage.h"
#include "UTesterMarks.h"

#include "dshow/DeviceInterfaces.h"
#include "dshow/capture/TestDevicePlug.h"
#include "win32/TestHome.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr const char* kCamera = "Test Video Capture";
constexpr const char* kMicrophone = "Test Audio Capture";
// A mark value no test writes: the device's section was never touched.
constexpr DWORD kUntouched = 7;

class CaptureTesterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("MORVANE_TEST_DEVICES", "1", 1);
        MvPlugTestCaptureDevices(true);
        if (!CVideoDevicesInfo::sInfo) m_video = std::make_unique<CVideoDevicesInfo>();
        if (!CAudioDevicesInfo::sInfo) m_audio = std::make_unique<CAudioDevicesInfo>();
        UTesterMarks::Open(m_marks, UTesterMarks::kDevicesFile);
    }
    void TearDown() override
    {
        // Taken out of the catalogue, an entry is the caller's again.
        for (auto& [catalogue, device] : m_added) {
            catalogue->RemoveDevice(device);
            delete device;
        }
        unsetenv("MORVANE_TEST_DEVICES");
    }

    // The test device's entry as the start-up scan makes it: its moniker, present.
    template <class Catalogue> auto* AddPresent(Catalogue* catalogue, const GUID& category, const char* name)
    {
        std::string moniker;
        CDirectShowSystem2::IteratorThroughDevices(category, [&](IMoniker*, const char* friendly, const char* display) {
            if (moniker.empty() && std::string(friendly) == name) moniker = display;
        });
        EXPECT_FALSE(moniker.empty()) << name;
        auto* device = catalogue->Add(name, moniker.c_str());
        device->Activate(true);
        m_added.emplace_back(catalogue, device);
        return device;
    }
    CVideoCaptureDevice2* AddCamera() { return AddPresent(CVideoDevicesInfo::sInfo, CLSID_VideoInputDeviceCategory, kCamera); }
    CAudioCaptureDevice2* AddMicrophone()
    {
        return AddPresent(CAudioDevicesInfo::sInfo, CLSID_AudioInputDeviceCategory, kMicrophone);
    }
    // An entry whose device cannot be opened.
    CVideoCaptureDevice2* AddGoneCamera(const char* name, bool present)
    {
        CVideoCaptureDevice2* device = CVideoDevicesInfo::sInfo->Add(name, "@device:pnp:/dev/video-gone");
        device->Activate(present);
        m_added.emplace_back(CVideoDevicesInfo::sInfo, device);
        return device;
    }
    DWORD Mark(const char* name) { return CRegistry(name, "blocked", &m_marks).GetValue(kUntouched); }
    void Block(const char* name) { CRegistry(name, "blocked", &m_marks).SetValue(1); }

    MvTestHome m_home;
    StDirectShow m_com;
    CIniProfile m_marks;
    std::unique_ptr<CVideoDevicesInfo> m_video;
    std::unique_ptr<CAudioDevicesInfo> m_audio;
    std::vector<std::pair<CDevicesInfo*, CCaptureDevice2*>> m_added;
};

// Every size with its frame rates and, per rate, its colour formats.
struct SFrameRate {
    double rate;
    std::vector<LONG> colors;
    bool operator==(const SFrameRate&) const = default;
};
struct SSize {
    unsigned short width, height;
    std::vector<SFrameRate> rates;
    bool operator==(const SSize&) const = default;
};

void PrintTo(const SSize& size, std::ostream* out)
{
    *out << size.width << "x" << size.height << " {";
    for (const SFrameRate& rate : size.rates) {
        *out << " " << rate.rate << ":";
        for (LONG color : rate.colors) *out << " " << color;
    }
    *out << " }";
}

std::vector<SSize> SettingsOf(const CVideoCaptureDevice2* device)
{
    std::vector<SSize> sizes;
    for (int i = 0; i < device->GetSizeCount(); ++i) {
        const CVideoCaptureSize2* size = device->GetSize(i);
        SSize s{size->GetWidth(), size->GetHeight(), {}};
        for (int r = 0; r < size->GetFrameRateCount(); ++r) {
            const CVideoCaptureFrameRate2* rate = size->GetFrameRate(r);
            SFrameRate f{rate->GetFrameRate(), {}};
            for (int c = 0; c < rate->GetColorCount(); ++c) f.colors.push_back(rate->GetColor(c));
            s.rates.push_back(f);
        }
        sizes.push_back(s);
    }
    return sizes;
}

std::vector<std::string> ConnectorsOf(const CAudioCaptureDevice2* device)
{
    std::vector<std::string> names;
    for (int i = 0; i < device->GetConnectorCount(); ++i) names.emplace_back(device->GetConnector(i)->GetNameText());
    return names;
}

// What the test camera offers: four sizes at 30, 25 and 15 frames a second, each as RGB32
// and RGB24 (colour formats 107 and 103).
std::vector<SSize> TestCameraSettings()
{
    const std::vector<SFrameRate> rates = {{15, {107, 103}}, {25, {107, 103}}, {30, {107, 103}}};
    return {{160, 120, rates}, {320, 240, rates}, {352, 288, rates}, {640, 480, rates}};
}

} // namespace

TEST_F(CaptureTesterTest, AnUntestedCameraIsOpenedUnderItsMarkAndWhatItOffersIsRecorded)
{
    CVideoCaptureDevice2* camera = AddCamera();
    // The mark as the entry first changes, that is while the device is open.
    struct CMarkWatch : CListener {
        std::function<DWORD()> mark;
        std::vector<DWORD> marks;
        bool ListenToMessage(long message, const void* p, const void* q) override
        {
            if (message == kNotifyMessage) marks.push_back(mark());
            return CListener::ListenToMessage(message, p, q);
        }
    } watch;
    watch.mark = [this] { return Mark(kCamera); };
    camera->AddListener(&watch);

    CVideoCaptureTestAdministrator2 admin;
    admin.LoopDevices();
    camera->RemoveListener(&watch);

    EXPECT_TRUE(camera->GetHasStream());
    EXPECT_FALSE(camera->GetIsDv());
    EXPECT_FALSE(camera->GetHasMore());
    EXPECT_EQ(SettingsOf(camera), TestCameraSettings());
    ASSERT_FALSE(watch.marks.empty());
    EXPECT_EQ(watch.marks.front(), 1u);
    EXPECT_EQ(Mark(kCamera), 0u);
    // Nothing of the test stays open.
    EXPECT_EQ(admin.GetGraph(), nullptr);
    EXPECT_EQ(admin.GetInputFilters(), nullptr);
}

TEST_F(CaptureTesterTest, AnUntestedSoundCardGetsItsInputLines)
{
    CAudioCaptureDevice2* microphone = AddMicrophone();
    CAudioCaptureTestAdministrator2 admin;
    admin.LoopDevices();
    EXPECT_EQ(ConnectorsOf(microphone), (std::vector<std::string>{"Line In", "Microphone"}));
    EXPECT_EQ(Mark(kMicrophone), 0u);
}

TEST_F(CaptureTesterTest, AKnownDeviceAndAnAbsentOneAreNotOpened)
{
    CVideoCaptureDevice2* camera = AddCamera();
    camera->AddSetting(800, 600, 10, 204);
    CAudioCaptureDevice2* microphone = AddMicrophone();
    microphone->Add("Old Line");
    CVideoCaptureDevice2* absent = AddGoneCamera("Unplugged Camera", false);

    CVideoCaptureTestAdministrator2 video;
    video.LoopDevices();
    CAudioCaptureTestAdministrator2 audio;
    audio.LoopDevices();

    EXPECT_EQ(SettingsOf(camera), (std::vector<SSize>{{800, 600, {{10, {204}}}}}));
    EXPECT_FALSE(camera->GetHasStream());
    EXPECT_EQ(ConnectorsOf(microphone), std::vector<std::string>{"Old Line"});
    EXPECT_EQ(absent->GetSizeCount(), 0);
    for (const char* name : {kCamera, kMicrophone, "Unplugged Camera"}) EXPECT_EQ(Mark(name), kUntouched) << name;
}

TEST_F(CaptureTesterTest, ABlockedDeviceIsPassedOverAndKeepsItsMark)
{
    CVideoCaptureDevice2* camera = AddCamera();
    CAudioCaptureDevice2* microphone = AddMicrophone();
    Block(kCamera);
    Block(kMicrophone);

    CVideoCaptureTestAdministrator2 video;
    video.LoopDevices();
    CAudioCaptureTestAdministrator2 audio;
    audio.LoopDevices();

    EXPECT_EQ(camera->GetSizeCount(), 0);
    EXPECT_FALSE(camera->GetHasStream());
    EXPECT_EQ(microphone->GetConnectorCount(), 0);
    EXPECT_EQ(Mark(kCamera), 1u);
    EXPECT_EQ(Mark(kMicrophone), 1u);
}

TEST_F(CaptureTesterTest, ADeviceThatCannotBeOpenedLeavesACleanEntryAndTheNextIsTested)
{
    // Named to come first in the catalogue, before the test camera.
    CVideoCaptureDevice2* gone = AddGoneCamera("Broken Camera", true);
    CVideoCaptureDevice2* camera = AddCamera();
    ASSERT_EQ(CVideoDevicesInfo::sInfo->GetDevice(0), gone);

    CVideoCaptureTestAdministrator2 admin;
    EXPECT_FALSE(admin.TestDevice(gone));
    EXPECT_STREQ(admin.GetErrorText(), "Unable to load video device.");
    EXPECT_EQ(admin.GetGraph(), nullptr);

    admin.LoopDevices();
    EXPECT_EQ(gone->GetSizeCount(), 0);
    EXPECT_FALSE(gone->GetHasStream());
    EXPECT_FALSE(gone->GetIsDv());
    EXPECT_FALSE(gone->GetHasMore());
    EXPECT_EQ(Mark("Broken Camera"), 0u);
    EXPECT_EQ(SettingsOf(camera), TestCameraSettings());
    // Opened once it is there again.
    EXPECT_TRUE(admin.TestDevice(camera));
    EXPECT_TRUE(admin.GetErrorText().IsEmpty());
}

TEST_F(CaptureTesterTest, WhatWasFoundIsSavedAndLoadedWithTheCatalogue)
{
    CVideoCaptureDevice2* tested = AddCamera();
    AddMicrophone();
    CVideoCaptureTestAdministrator2 video;
    EXPECT_TRUE(video.NeedTest(tested));
    video.LoopDevices();
    EXPECT_FALSE(video.NeedTest(tested));
    CAudioCaptureTestAdministrator2 audio;
    audio.LoopDevices();
    ASSERT_TRUE(UPersistStorage::SystemSave(*CVideoDevicesInfo::sInfo, CVideoDevicesInfo::kFileInfoName,
                                            CVideoDevicesInfo::kFileName));
    ASSERT_TRUE(UPersistStorage::SystemSave(*CAudioDevicesInfo::sInfo, CAudioDevicesInfo::kFileInfoName,
                                            CAudioDevicesInfo::kFileName));

    CVideoDevicesInfo videoLoaded;
    ASSERT_TRUE(UPersistStorage::SystemLoad(videoLoaded, CVideoDevicesInfo::kFileInfoName, CVideoDevicesInfo::kFileName));
    auto* camera = dynamic_cast<CVideoCaptureDevice2*>(videoLoaded.Find(kCamera));
    ASSERT_NE(camera, nullptr);
    EXPECT_TRUE(camera->GetHasStream());
    EXPECT_EQ(SettingsOf(camera), TestCameraSettings());

    CAudioDevicesInfo audioLoaded;
    ASSERT_TRUE(UPersistStorage::SystemLoad(audioLoaded, CAudioDevicesInfo::kFileInfoName, CAudioDevicesInfo::kFileName));
    auto* microphone = dynamic_cast<CAudioCaptureDevice2*>(audioLoaded.Find(kMicrophone));
    ASSERT_NE(microphone, nullptr);
    EXPECT_EQ(ConnectorsOf(microphone), (std::vector<std::string>{"Line In", "Microphone"}));

    // Listed from the catalogue, as the loop sees it.
    CVideoCaptureTestAdministrator2 again;
    again.LoadDevices();
    ASSERT_EQ(again.GetDeviceCount(), CVideoDevicesInfo::sInfo->GetDeviceCount());
    for (int i = 0; i < again.GetDeviceCount(); ++i)
        EXPECT_EQ(again.GetDevice(i), CVideoDevicesInfo::sInfo->GetDevice(i));
}

TEST_F(CaptureTesterTest, TheCodecCheckAlsoTestsTheCaptureDevices)
{
    CVideoCaptureDevice2* camera = AddCamera();
    CAudioCaptureDevice2* microphone = AddMicrophone();
    const bool loadAvi = CDirectShowSystem2::sLoadAvi;
    // No compressor thread: only what runs on this thread.
    CDirectShowSystem2::sLoadAvi = false;
    {
        CMorvaneDirectShowApp2 app;
        app.LoopCodecs(false);
    }
    CDirectShowSystem2::sLoadAvi = loadAvi;
    EXPECT_EQ(SettingsOf(camera), TestCameraSettings());
    EXPECT_EQ(ConnectorsOf(microphone), (std::vector<std::string>{"Line In", "Microphone"}));
}
