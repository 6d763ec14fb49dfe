#include "CDeviceController.h"
#include "CListener.h"
#include "win32/kernel/Clock.h"
#include "win32/windowing/DeviceNotify.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/windowing/Window.h"

#include <gtest/gtest.h>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace {

struct Change {
    WPARAM code;
    DWORD type;
    std::string name;
    int64_t at;
};

class ChangeRecorder : public CListener {
public:
    std::vector<Change> changes;
    std::function<void()> onChange;
    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        if (message != kDeviceChangeMessage) return CListener::ListenToMessage(message, p, q);
        auto* record = static_cast<const DEV_BROADCAST_DEVICEINTERFACE_A*>(q);
        changes.push_back({reinterpret_cast<WPARAM>(p), record->dbcc_devicetype, record->dbcc_name, MvClockNow()});
        if (onChange) onChange();
        return true;
    }
};

class DeviceControllerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MvUseVirtualClock(true);
        start = MvClockNow();
        controller.AddListener(&recorder);
    }
    void TearDown() override
    {
        controller.Stop();
        MvPumpUntilIdle();
        MvUseVirtualClock(false);
    }
    int64_t Since() const { return recorder.changes.back().at - start; }

    CDeviceController controller;
    ChangeRecorder recorder;
    int64_t start = 0;
};

TEST_F(DeviceControllerTest, WindowIsHiddenAndKnown)
{
    EXPECT_EQ(CDeviceController::sController, &controller);
    HWND hwnd = controller.GetWindow();
    ASSERT_TRUE(IsWindow(hwnd));
    EXPECT_FALSE(IsWindowVisible(hwnd));
    char title[32] = {};
    GetWindowTextA(hwnd, title, sizeof title);
    EXPECT_STREQ(title, "Devices");
    {
        CDeviceController second;
        EXPECT_EQ(CDeviceController::sController, &second);
    }
    EXPECT_EQ(CDeviceController::sController, nullptr);
}

TEST_F(DeviceControllerTest, ArrivalAndRemovalComeHalfASecondLater)
{
    MvPostCaptureDeviceChange(DBT_DEVICEARRIVAL, "/dev/video7");
    MvPumpFor(499);
    EXPECT_TRUE(recorder.changes.empty());
    MvPumpFor(1);
    ASSERT_EQ(recorder.changes.size(), 1u);
    EXPECT_EQ(recorder.changes[0].code, static_cast<WPARAM>(DBT_DEVICEARRIVAL));
    EXPECT_EQ(recorder.changes[0].type, static_cast<DWORD>(DBT_DEVTYP_DEVICEINTERFACE));
    EXPECT_EQ(recorder.changes[0].name, "/dev/video7");

    MvPostCaptureDeviceChange(DBT_DEVICEREMOVECOMPLETE, "/dev/video7");
    MvPumpFor(2000);
    ASSERT_EQ(recorder.changes.size(), 2u);
    EXPECT_EQ(recorder.changes[1].code, static_cast<WPARAM>(DBT_DEVICEREMOVECOMPLETE));
}

TEST_F(DeviceControllerTest, EventsComeOnePerTickInOrder)
{
    MvPostCaptureDeviceChange(DBT_DEVICEARRIVAL, "/dev/video1");
    MvPostCaptureDeviceChange(DBT_DEVICEARRIVAL, "/dev/video2");
    MvPostCaptureDeviceChange(DBT_DEVICEREMOVECOMPLETE, "/dev/video1");
    MvPumpFor(3000);
    ASSERT_EQ(recorder.changes.size(), 3u);
    EXPECT_EQ(recorder.changes[0].name, "/dev/video1");
    EXPECT_EQ(recorder.changes[1].name, "/dev/video2");
    EXPECT_EQ(recorder.changes[2].code, static_cast<WPARAM>(DBT_DEVICEREMOVECOMPLETE));
    EXPECT_EQ(recorder.changes[1].at - recorder.changes[0].at, 500);
    EXPECT_EQ(recorder.changes[2].at - recorder.changes[1].at, 500);
}

TEST_F(DeviceControllerTest, OtherKindsAreNeverTold)
{
    // A volume arriving, a port record, a change that is neither arrival nor removal,
    // and a device of another class.
    struct {
        DEV_BROADCAST_HDR header;
        DWORD unitMask;
        WORD flags;
    } volume{{sizeof volume, DBT_DEVTYP_VOLUME, 0}, 4, 0};
    MvPostDeviceChange(DBT_DEVICEARRIVAL, &volume.header);
    DEV_BROADCAST_HDR port{sizeof(DEV_BROADCAST_HDR), DBT_DEVTYP_PORT, 0};
    MvPostDeviceChange(DBT_DEVICEREMOVECOMPLETE, &port);
    MvPostCaptureDeviceChange(DBT_DEVICEQUERYREMOVE, "/dev/video3");
    DEV_BROADCAST_DEVICEINTERFACE_A other{};
    other.dbcc_size = sizeof other;
    other.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    other.dbcc_classguid = GUID{1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}};
    MvPostDeviceChange(DBT_DEVICEARRIVAL, reinterpret_cast<DEV_BROADCAST_HDR*>(&other));
    // A record too short for its own header, straight to the window.
    DEV_BROADCAST_HDR broken{2, DBT_DEVTYP_DEVICEINTERFACE, 0};
    SendMessageA(controller.GetWindow(), WM_DEVICECHANGE, DBT_DEVICEARRIVAL, reinterpret_cast<LPARAM>(&broken));
    MvPumpFor(3000);
    EXPECT_TRUE(recorder.changes.empty());
}

TEST_F(DeviceControllerTest, NothingAfterStop)
{
    MvPostCaptureDeviceChange(DBT_DEVICEARRIVAL, "/dev/video4");
    MvPumpUntilIdle();
    HWND hwnd = controller.GetWindow();
    controller.Stop();
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(controller.GetWindow(), nullptr);
    MvPostCaptureDeviceChange(DBT_DEVICEARRIVAL, "/dev/video5");
    MvPumpFor(3000);
    EXPECT_TRUE(recorder.changes.empty());
}

TEST_F(DeviceControllerTest, ListenerMayStopDuringADelivery)
{
    recorder.onChange = [&] { controller.Stop(); };
    MvPostCaptureDeviceChange(DBT_DEVICEARRIVAL, "/dev/video1");
    MvPostCaptureDeviceChange(DBT_DEVICEARRIVAL, "/dev/video2");
    MvPumpFor(3000);
    EXPECT_EQ(recorder.changes.size(), 1u);
}

TEST_F(DeviceControllerTest, DestroyedWithEventsQueued)
{
    auto* other = new CDeviceController;
    MvPostCaptureDeviceChange(DBT_DEVICEARRIVAL, "/dev/video9");
    MvPumpUntilIdle();
    delete other;  // its queued event goes with it
    MvPumpFor(1000);
    EXPECT_EQ(recorder.changes.size(), 1u);
}

} // namespace
