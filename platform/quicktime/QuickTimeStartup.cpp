#include "quicktime/QuickTimeApi.h"

#include <atomic>
#include <cstdlib>
#include <mutex>
#include <sys/stat.h>

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace {

std::mutex gLock;
int gInitialized = 0;
int gMovies = 0;

#ifdef MV_BUILT_AVCODEC
// What the build found: while the loader would take the same libavcodec file, its answer
// holds, and a program starts without FFmpeg.
bool BuiltAnswerHolds()
{
    const char* paths = std::getenv("LD_LIBRARY_PATH");
    const char* preload = std::getenv("LD_PRELOAD");
    if ((paths && *paths) || (preload && *preload)) return false;
    struct stat st {};
    return ::stat(MV_BUILT_AVCODEC, &st) == 0 && st.st_ino == MV_BUILT_AVCODEC_INODE &&
           st.st_size == MV_BUILT_AVCODEC_SIZE && st.st_mtim.tv_sec == MV_BUILT_AVCODEC_SECONDS &&
           st.st_mtim.tv_nsec == MV_BUILT_AVCODEC_NANOSECONDS;
}
#endif

bool HasH264Encoder()
{
#ifdef MV_BUILT_AVCODEC
    if (BuiltAnswerHolds()) return MV_BUILT_H264;
#endif
    return avcodec_find_encoder(AV_CODEC_ID_H264) != nullptr;
}

// 7.3 when an H.264 encoder exists, else 7.2, the last version without H.264.
long Version() { return HasH264Encoder() ? 0x07300000 : 0x07020000; }

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
