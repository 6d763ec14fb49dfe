#include "quicktime/QuickTimeApi.h"

#include <atomic>
#include <mutex>

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace {

std::mutex gLock;
int gInitialized = 0;
int gMovies = 0;

// 7.3 when an H.264 encoder exists, else 7.2, the last version without H.264.
long Version() { return avcodec_find_encoder(AV_CODEC_ID_H264) ? 0x07300000 : 0x07020000; }

} // namespace

QT_EXPORT OSErr InitializeQTML(long)
{
    std::lock_guard lock(gLock);
    ++gInitialized;
    return noErr;
}

QT_EXPORT void TerminateQTML()
{
    std::lock_guard lock(gLock);
    if (gInitialized > 0) --gInitialized;
}

QT_EXPORT OSErr Gestalt(OSType selector, long* response)
{
    if (!response) return gestaltUndefSelectorErr;
    if (selector != gestaltQuickTime) return gestaltUndefSelectorErr;
    std::lock_guard lock(gLock);
    if (gInitialized == 0) return qtmlNotInitialized;
    *response = Version();
    return noErr;
}

QT_EXPORT OSErr EnterMovies()
{
    std::lock_guard lock(gLock);
    if (gInitialized == 0) return qtmlNotInitialized;
    ++gMovies;
    return noErr;
}

QT_EXPORT void ExitMovies()
{
    std::lock_guard lock(gLock);
    if (gMovies > 0) --gMovies;
}
