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

CMediaFile2* CMediaFileCheckThread::CheckFile(const char* path)
{
    auto* file = new CMediaFile2;
    file->GetFilePath().SetFilePath(path);
    // Protected music is never opened: it cannot be converted. Not through the shared
    // text ring, which belongs to the user-interface thread.
    if (strcasecmp(std::filesystem::path(path).extension().c_str(), ".m4p") != 0) {
        m_admin.SetFilePath(path);
        if (m_admin.Create()) UApplyMediaFile::ApplyMediaFile(file, &m_admin);
        m_admin.Release();
    }
    return file;
}
