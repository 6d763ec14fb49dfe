#include "dshow/capture/V4l2PictureControls.h"

#include <fcntl.h>
#include <linux/videodev2.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <iterator>

namespace {

// The device's control for each picture control, in the order of VideoProcAmpProperty.
const unsigned kIds[] = {V4L2_CID_BRIGHTNESS, V4L2_CID_CONTRAST,         V4L2_CID_HUE,
                         V4L2_CID_SATURATION, V4L2_CID_SHARPNESS,        V4L2_CID_GAMMA,
                         0,                   V4L2_CID_WHITE_BALANCE_TEMPERATURE, V4L2_CID_BACKLIGHT_COMPENSATION,
                         V4L2_CID_GAIN};

unsigned IdOf(long property)
{
    return property >= 0 && property < long(std::size(kIds)) ? kIds[property] : 0;
}

int Call(int fd, unsigned long request, void* argument)
{
    int result;
    do result = ioctl(fd, request, argument);
    while (result == -1 && errno == EINTR);
    return result;
}

} // namespace

CV4l2PictureControls::CV4l2PictureControls(const std::string& path)
{
    if (!path.empty()) m_fd = open(path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
}

CV4l2PictureControls::~CV4l2PictureControls()
{
    if (m_fd >= 0) close(m_fd);
}

std::vector<PictureControl> CV4l2PictureControls::List()
{
    std::vector<PictureControl> list;
    if (m_fd < 0) return list;
    for (long property = 0; property < long(std::size(kIds)); ++property) {
        if (!kIds[property]) continue;
        v4l2_queryctrl query{};
        query.id = kIds[property];
        if (Call(m_fd, VIDIOC_QUERYCTRL, &query) != 0) continue;
        if (query.flags & (V4L2_CTRL_FLAG_DISABLED | V4L2_CTRL_FLAG_READ_ONLY)) continue;
        if (query.type != V4L2_CTRL_TYPE_INTEGER && query.type != V4L2_CTRL_TYPE_BOOLEAN) continue;
        list.push_back({property, query.minimum, query.maximum, query.step > 0 ? query.step : 1, query.default_value});
    }
    return list;
}

bool CV4l2PictureControls::Read(long property, long& value)
{
    v4l2_control control{IdOf(property), 0};
    if (m_fd < 0 || !control.id || Call(m_fd, VIDIOC_G_CTRL, &control) != 0) return false;
    value = control.value;
    return true;
}

bool CV4l2PictureControls::Write(long property, long value)
{
    v4l2_control control{IdOf(property), int(value)};
    return m_fd >= 0 && control.id && Call(m_fd, VIDIOC_S_CTRL, &control) == 0;
}
