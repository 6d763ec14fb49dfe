// Media files from outside through the file check's probe: whatever the bytes, the probe
// answers or fails with a text, and never hangs or crashes. The first byte picks the
// extension the file is opened under, so each input road is reached.
#include "CFileCheckAdministrator2.h"
#include "StDirectShow.h"
#include "UMediaFileInfo.h"
#include "win32/TestHome.h"

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static MvTestHome home;
    static StDirectShow com;
    static const char* const kExtensions[] = {"wav", "mp3", "avi", "ogg", "mkv", "mp4", "mpg", "wma"};
    const char* extension = kExtensions[size ? data[0] % (sizeof kExtensions / sizeof *kExtensions) : 0];
    const std::string path = home.Path() + "/probe." + extension;
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), std::streamsize(size));

    CFileCheckAdministrator2 check;
    check.SetFilePath(path.c_str());
    if (check.Create()) {
        check.GetDuration();
        UMediaFileInfo::GetAudioTrackCount(&check);
        UMediaFileInfo::GetVideoTrackCount(&check);
    }
    check.Release();
    return 0;
}
