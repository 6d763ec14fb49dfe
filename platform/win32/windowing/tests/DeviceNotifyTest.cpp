#include "win32/windowing/DeviceNotify.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/kernel/Module.h"
#include "win32/windowing/Window.h"

#include <gtest/gtest.h>
#include <cstddef>
#include <string>
#include <thread>
#include <vector>

namespace {

struct Heard {
    WPARAM event;
    DWORD type;
    std::string name;
};
std::vector<Heard> gHeard;

LRESULT ListenerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DEVICECHANGE) {
        auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(lParam);
        std::string name;
        if (header->dbch_devicetype == DBT_DEVTYP_DEVICEINTERFACE)
            name = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_A*>(header)->dbcc_name;
        gHeard.push_back({wParam, header->dbch_devicetype, name});
        return TRUE;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

class DeviceNotifyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        static const bool registered = [] {
            WNDCLASSA wc{};
            wc.lpfnWndProc = ListenerProc;
            wc.lpszClassName = "DeviceNotifyTestListener";
            return RegisterClassA(&wc) != 0;
        }();
        ASSERT_TRUE(registered);
        hwnd = CreateWindowExA(0, "DeviceNotifyTestListener", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                               nullptr);
        ASSERT_NE(hwnd, nullptr);
        gHeard.clear();
    }
    void TearDown() override
    {
        DestroyWindow(hwnd);
        MvPumpUntilIdle();
    }
    HDEVNOTIFY Register(const GUID& category)
    {
        DEV_BROADCAST_DEVICEINTERFACE_A filter{};
        filter.dbcc_size = sizeof filter;
        filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
        filter.dbcc_classguid = category;
        return RegisterDeviceNotificationA(hwnd, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
    }
    HWND hwnd = nullptr;
};

TEST_F(DeviceNotifyTest, FoundByNameInTheUserLibrary)
{
    HMODULE user = GetModuleHandle("USER32.DLL");
    ASSERT_NE(user, nullptr);
    EXPECT_EQ(GetProcAddress(user, "RegisterDeviceNotificationA"),
              reinterpret_cast<FARPROC>(&RegisterDeviceNotificationA));
    EXPECT_NE(GetProcAddress(user, "UnregisterDeviceNotification"), nullptr);
    EXPECT_EQ(GetModuleHandle("other.dll"), nullptr);
}

TEST_F(DeviceNotifyTest, BadRegistrationsAreRefused)
{
    DEV_BROADCAST_HDR volume{sizeof volume, DBT_DEVTYP_VOLUME, 0};
    EXPECT_EQ(RegisterDeviceNotificationA(hwnd, &volume, DEVICE_NOTIFY_WINDOW_HANDLE), nullptr);
    EXPECT_EQ(RegisterDeviceNotificationA(hwnd, nullptr, DEVICE_NOTIFY_WINDOW_HANDLE), nullptr);
    DEV_BROADCAST_DEVICEINTERFACE_A filter{};
    filter.dbcc_size = sizeof filter;
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    EXPECT_EQ(RegisterDeviceNotificationA(nullptr, &filter, DEVICE_NOTIFY_WINDOW_HANDLE), nullptr);
    EXPECT_FALSE(UnregisterDeviceNotification(reinterpret_cast<HDEVNOTIFY>(12345)));
}

TEST_F(DeviceNotifyTest, EventsReachRegisteredWindowsOfTheirClass)
{
    HDEVNOTIFY capture = Register(KSCATEGORY_CAPTURE);
    ASSERT_NE(capture, nullptr);
    MvPostCaptureDeviceChange(DBT_DEVICEARRIVAL, "/dev/video0");
    EXPECT_TRUE(gHeard.empty()) << "delivered by the window's own loop";
    MvPumpUntilIdle();
    ASSERT_EQ(gHeard.size(), 1u);
    EXPECT_EQ(gHeard[0].event, static_cast<WPARAM>(DBT_DEVICEARRIVAL));
    EXPECT_EQ(gHeard[0].name, "/dev/video0");

    // Another class is not ours; a record of another kind goes to every registration.
    DEV_BROADCAST_DEVICEINTERFACE_A other{};
    other.dbcc_size = sizeof other;
    other.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    other.dbcc_classguid = GUID{9, 9, 9, {9, 9, 9, 9, 9, 9, 9, 9}};
    MvPostDeviceChange(DBT_DEVICEARRIVAL, reinterpret_cast<DEV_BROADCAST_HDR*>(&other));
    DEV_BROADCAST_HDR volume{sizeof volume, DBT_DEVTYP_VOLUME, 0};
    MvPostDeviceChange(DBT_DEVICEREMOVECOMPLETE, &volume);
    // A record shorter than its header is dropped.
    DEV_BROADCAST_HDR broken{3, DBT_DEVTYP_VOLUME, 0};
    MvPostDeviceChange(DBT_DEVICEREMOVECOMPLETE, &broken);
    MvPumpUntilIdle();
    ASSERT_EQ(gHeard.size(), 2u);
    EXPECT_EQ(gHeard[1].type, static_cast<DWORD>(DBT_DEVTYP_VOLUME));

    EXPECT_TRUE(UnregisterDeviceNotification(capture));
    EXPECT_FALSE(UnregisterDeviceNotification(capture));
    MvPostCaptureDeviceChange(DBT_DEVICEREMOVECOMPLETE, "/dev/video0");
    MvPumpUntilIdle();
    EXPECT_EQ(gHeard.size(), 2u);
}

TEST_F(DeviceNotifyTest, EventsFromAnotherThreadArriveOnTheWindowsThread)
{
    HDEVNOTIFY capture = Register(KSCATEGORY_CAPTURE);
    ASSERT_NE(capture, nullptr);
    std::thread([] { MvPostCaptureDeviceChange(DBT_DEVICEARRIVAL, std::string(5000, 'x').c_str()); }).join();
    ASSERT_TRUE(MvPumpUntil([] { return !gHeard.empty(); }, 30000));
    // An overlong path is cut so that the record stays bounded.
    EXPECT_LT(gHeard[0].name.size(), 4096u);
    EXPECT_GT(gHeard[0].name.size(), 4000u);
    UnregisterDeviceNotification(capture);
}

} // namespace
