#include "CMediaFileCheckThread.h"

#include "CMediaFile2.h"
#include "UApplyMediaFile.h"

#include "com/ComRuntime.h"

#include <filesystem>
#include <strings.h>

CMediaFileCheckThread::~CMediaFileCheckThread()
{
    // The job uses the administrator.
    CancelAndWait();
}

void CMediaFileCheckThread::BeginChecking()
{
    CoInitialize(nullptr);
}

void CMediaFileCheckThread::EndChecking()
{
    CoUninitialize();
}

namespace {

// A local path naming nothing: no source can open it, so no graph is built for it (a drop of
// many missing files would otherwise probe every format for each).
bool IsMissingLocalFile(const std::filesystem::path& path)
{
    std::error_code error;
    return path.is_absolute() && !std::filesystem::exists(path, error);
}

} // namespace

CMediaFile2* CMediaFileCheckThread::CheckFile(const char* path)
{
    auto* file = new CMediaFile2;
    file->GetFilePath().SetFilePath(path);
    const std::filesystem::path local(path);
    // Protected music is never opened: it cannot be converted. Not through the shared
    // text ring, which belongs to the user-interface thread.
    if (strcasecmp(local.extension().c_str(), ".m4p") != 0 && !IsMissingLocalFile(local)) {
        m_admin.SetFilePath(path);
        if (m_admin.Create()) UApplyMediaFile::ApplyMediaFile(file, &m_admin);
        m_admin.Release();
    }
    return file;
}
