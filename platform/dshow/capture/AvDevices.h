#pragma once
// libavdevice and all it brings (some eighty libraries) are loaded only when a device is
// opened, so that programs start without them; listing devices needs none of it.
#include <string>
#include <vector>

// Registers libavdevice's inputs with libavformat, loading it on first call; false when
// it cannot be loaded.
bool MvAvDevicesReady();

struct ListedSource {
    std::string name;        // the device node or ALSA name
    std::string description; // what the device calls itself
};
// The Video4Linux2 nodes that capture video, by node number.
std::vector<ListedSource> MvListCameras();
// The ALSA hardware devices that capture sound.
std::vector<ListedSource> MvListSoundInputs();
