#include "win32/windowing/DeviceMonitor.h"

#include "win32/windowing/DeviceNotify.h"

#ifdef MV_HAVE_UDEV
#include <libudev.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <mutex>
#include <thread>

namespace {

// Sound devices count only as their capture streams ("pcmC0D0c").
bool IsCaptureDevice(udev_device* device)
{
    const char* subsystem = udev_device_get_subsystem(device);
    const char* node = udev_device_get_devnode(device);
    if (!subsystem || !node) return false;
    if (std::strcmp(subsystem, "video4linux") == 0) return true;
    if (std::strcmp(subsystem, "sound") != 0) return false;
    const char* name = std::strrchr(node, '/');
    name = name ? name + 1 : node;
    size_t length = std::strlen(name);
    return std::strncmp(name, "pcmC", 4) == 0 && length > 4 && name[length - 1] == 'c';
}

void Watch(udev_monitor* monitor, int stopFd)
{
    pollfd fds[2] = {{udev_monitor_get_fd(monitor), POLLIN, 0}, {stopFd, POLLIN, 0}};
    for (;;) {
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR) continue;
            return;
        }
        if (fds[1].revents) return;
        if (!(fds[0].revents & POLLIN)) continue;
        udev_device* device = udev_monitor_receive_device(monitor);
        if (!device) continue;
        const char* action = udev_device_get_action(device);
        if (action && IsCaptureDevice(device)) {
            if (std::strcmp(action, "add") == 0)
                MvPostCaptureDeviceChange(DBT_DEVICEARRIVAL, udev_device_get_devnode(device));
            else if (std::strcmp(action, "remove") == 0)
                MvPostCaptureDeviceChange(DBT_DEVICEREMOVECOMPLETE, udev_device_get_devnode(device));
        }
        udev_device_unref(device);
    }
}

struct SMonitor {
    std::mutex lock;
    std::thread thread;
    int stopFd = -1;
};

SMonitor& Monitor()
{
    static SMonitor monitor;
    return monitor;
}

} // namespace

namespace mvdevice {

void StartMonitor()
{
    SMonitor& m = Monitor();
    std::lock_guard<std::mutex> guard(m.lock);
    if (m.thread.joinable()) return;
    // Without udev (or netlink, in a sandbox) no real device events come; posted ones still do.
    udev* context = udev_new();
    if (!context) return;
    udev_monitor* monitor = udev_monitor_new_from_netlink(context, "udev");
    int stopFd = eventfd(0, EFD_CLOEXEC);
    if (!monitor || stopFd < 0 || udev_monitor_filter_add_match_subsystem_devtype(monitor, "video4linux", nullptr) < 0 ||
        udev_monitor_filter_add_match_subsystem_devtype(monitor, "sound", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor) < 0) {
        if (stopFd >= 0) close(stopFd);
        if (monitor) udev_monitor_unref(monitor);
        udev_unref(context);
        return;
    }
    m.stopFd = stopFd;
    m.thread = std::thread([context, monitor, stopFd] {
        Watch(monitor, stopFd);
        udev_monitor_unref(monitor);
        udev_unref(context);
    });
}

void StopMonitor()
{
    SMonitor& m = Monitor();
    std::lock_guard<std::mutex> guard(m.lock);
    if (!m.thread.joinable()) return;
    uint64_t one = 1;
    if (write(m.stopFd, &one, sizeof one) != sizeof one) return;
    m.thread.join();
    close(m.stopFd);
    m.stopFd = -1;
}

} // namespace mvdevice

#else

namespace mvdevice {

void StartMonitor() {}
void StopMonitor() {}

} // namespace mvdevice

#endif
