#include "dshow/capture/CameraModes.h"

#include <fcntl.h>
#include <linux/videodev2.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace {

int Ask(int fd, unsigned long request, void* argument)
{
    int result;
    do result = ioctl(fd, request, argument);
    while (result < 0 && errno == EINTR);
    return result;
}

// Sizes a camera with a range of sizes is asked for.
constexpr LONG kSteppedSizes[][2] = {{160, 120}, {320, 240}, {352, 288}, {640, 480}, {800, 600}, {1280, 720}, {1920, 1080}};
constexpr REFERENCE_TIME kDefaultFrameTime = 333333;

std::vector<REFERENCE_TIME> FrameTimes(int fd, __u32 pixelFormat, __u32 width, __u32 height)
{
    std::vector<REFERENCE_TIME> times;
    v4l2_frmivalenum interval{};
    interval.pixel_format = pixelFormat;
    interval.width = width;
    interval.height = height;
    for (interval.index = 0; Ask(fd, VIDIOC_ENUM_FRAMEINTERVALS, &interval) == 0; ++interval.index) {
        const v4l2_fract& f = interval.type == V4L2_FRMIVAL_TYPE_DISCRETE ? interval.discrete : interval.stepwise.min;
        if (f.denominator) times.push_back(REFERENCE_TIME(f.numerator) * 10000000 / f.denominator);
        if (interval.type != V4L2_FRMIVAL_TYPE_DISCRETE) {
            const v4l2_fract& slow = interval.stepwise.max;
            if (slow.denominator) times.push_back(REFERENCE_TIME(slow.numerator) * 10000000 / slow.denominator);
            break;
        }
    }
    if (times.empty()) times.push_back(kDefaultFrameTime);
    return times;
}

void AddMode(std::vector<CaptureMode>& modes, LONG width, LONG height, const std::vector<REFERENCE_TIME>& times)
{
    auto at = std::find_if(modes.begin(), modes.end(), [&](const CaptureMode& m) { return m.width == width && m.height == height; });
    if (at == modes.end()) at = modes.insert(modes.end(), CaptureMode{width, height, {}});
    for (REFERENCE_TIME t : times)
        if (t > 0 && std::find(at->frameTimes.begin(), at->frameTimes.end(), t) == at->frameTimes.end())
            at->frameTimes.push_back(t);
    std::sort(at->frameTimes.begin(), at->frameTimes.end());
}

} // namespace

std::vector<CaptureMode> CameraModes(const std::string& path)
{
    std::vector<CaptureMode> modes;
    const int fd = open(path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return modes;
    v4l2_capability capability{};
    const __u32 caps = Ask(fd, VIDIOC_QUERYCAP, &capability) == 0
        ? (capability.capabilities & V4L2_CAP_DEVICE_CAPS ? capability.device_caps : capability.capabilities)
        : 0;
    if (caps & V4L2_CAP_VIDEO_CAPTURE) {
        v4l2_fmtdesc format{};
        format.type = V4L2_BUF_TYPE_VIDEO_CAPTURE;
        for (format.index = 0; Ask(fd, VIDIOC_ENUM_FMT, &format) == 0; ++format.index) {
            v4l2_frmsizeenum size{};
            size.pixel_format = format.pixelformat;
            for (size.index = 0; Ask(fd, VIDIOC_ENUM_FRAMESIZES, &size) == 0; ++size.index) {
                if (size.type == V4L2_FRMSIZE_TYPE_DISCRETE) {
                    AddMode(modes, LONG(size.discrete.width), LONG(size.discrete.height),
                            FrameTimes(fd, format.pixelformat, size.discrete.width, size.discrete.height));
                    continue;
                }
                const v4l2_frmsize_stepwise& range = size.stepwise;
                for (const auto& s : kSteppedSizes)
                    if (__u32(s[0]) >= range.min_width && __u32(s[0]) <= range.max_width && __u32(s[1]) >= range.min_height
                        && __u32(s[1]) <= range.max_height)
                        AddMode(modes, s[0], s[1], FrameTimes(fd, format.pixelformat, __u32(s[0]), __u32(s[1])));
                break;
            }
        }
    }
    close(fd);
    std::sort(modes.begin(), modes.end(),
              [](const CaptureMode& a, const CaptureMode& b) { return std::pair(a.width, a.height) < std::pair(b.width, b.height); });
    return modes;
}
