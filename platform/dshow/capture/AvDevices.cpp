#include "dshow/capture/AvDevices.h"

extern "C" {
#include <libavdevice/version.h>
}

#include <alsa/asoundlib.h>
#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <linux/videodev2.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <mutex>

#define MV_TEXT2(x) #x
#define MV_TEXT(x) MV_TEXT2(x)

bool MvAvDevicesReady()
{
    static bool ready = [] {
        // The very library the headers describe; kept loaded for the process.
        void* library = dlopen("libavdevice.so." MV_TEXT(LIBAVDEVICE_VERSION_MAJOR), RTLD_NOW | RTLD_LOCAL);
        auto registerAll = library ? reinterpret_cast<void (*)()>(dlsym(library, "avdevice_register_all")) : nullptr;
        if (!registerAll) return false;
        registerAll();
        return true;
    }();
    return ready;
}

std::vector<ListedSource> MvListCameras()
{
    std::vector<std::pair<int, ListedSource>> found;
    DIR* dev = opendir("/dev");
    if (!dev) return {};
    while (const dirent* entry = readdir(dev)) {
        if (std::strncmp(entry->d_name, "video", 5) != 0) continue;
        char* end = nullptr;
        const long number = std::strtol(entry->d_name + 5, &end, 10);
        if (end == entry->d_name + 5 || *end) continue;
        const std::string path = std::string("/dev/") + entry->d_name;
        const int fd = open(path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        v4l2_capability caps{};
        int asked;
        do asked = ioctl(fd, VIDIOC_QUERYCAP, &caps);
        while (asked == -1 && errno == EINTR);
        close(fd);
        const unsigned has = (caps.capabilities & V4L2_CAP_DEVICE_CAPS) ? caps.device_caps : caps.capabilities;
        if (asked != 0 || !(has & V4L2_CAP_VIDEO_CAPTURE)) continue;
        std::string card(reinterpret_cast<const char*>(caps.card), strnlen(reinterpret_cast<const char*>(caps.card), sizeof caps.card));
        found.push_back({int(number), {path, card.empty() ? path : card}});
    }
    closedir(dev);
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<ListedSource> out;
    for (auto& f : found) out.push_back(std::move(f.second));
    return out;
}

std::vector<ListedSource> MvListSoundInputs()
{
    std::vector<ListedSource> out;
    void** hints = nullptr;
    if (snd_device_name_hint(-1, "pcm", &hints) < 0 || !hints) return out;
    for (void** hint = hints; *hint; ++hint) {
        char* name = snd_device_name_get_hint(*hint, "NAME");
        char* description = snd_device_name_get_hint(*hint, "DESC");
        char* direction = snd_device_name_get_hint(*hint, "IOID");
        // No direction means both; the cards themselves only, not the plugins or the null device.
        if (name && std::strncmp(name, "hw:", 3) == 0 && (!direction || std::strcmp(direction, "Input") == 0)) {
            std::string text = description ? description : name;
            text = text.substr(0, text.find('\n')); // the card's purpose follows on a second line
            out.push_back({name, text.empty() ? name : text});
        }
        std::free(name);
        std::free(description);
        std::free(direction);
    }
    snd_device_name_free_hint(hints);
    return out;
}
