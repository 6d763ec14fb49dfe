// Run once when the build is configured: whether the FFmpeg the QuickTime library is built
// with has an H.264 encoder, and the file of libavcodec the loader took, with its identity,
// as "answer;path;inode;size;seconds;nanoseconds".
#include <cstdio>
#include <cstring>
#include <link.h>
#include <sys/stat.h>

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace {

int FindAvcodec(dl_phdr_info* info, size_t, void* path)
{
    if (info->dlpi_name && std::strstr(info->dlpi_name, "/libavcodec.so")) *static_cast<const char**>(path) = info->dlpi_name;
    return 0;
}

} // namespace

int main()
{
    const bool encodes = avcodec_find_encoder(AV_CODEC_ID_H264) != nullptr;
    const char* path = nullptr;
    dl_iterate_phdr(FindAvcodec, &path);
    struct stat st {};
    if (!path || ::stat(path, &st) != 0) return 1;
    std::printf("%d;%s;%llu;%lld;%lld;%ld", encodes ? 1 : 0, path, static_cast<unsigned long long>(st.st_ino),
                static_cast<long long>(st.st_size), static_cast<long long>(st.st_mtim.tv_sec), st.st_mtim.tv_nsec);
    return 0;
}
