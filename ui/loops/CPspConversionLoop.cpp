#include "CPspConversionLoop.h"

#include "CMediaConversionData.h"
#include "CPspConversionAdministrator.h"
#include "CSaveDir2.h"

CDirectShowAdministrator2* CPspConversionLoop::CreateAdministratorSelf()
{
    return new CPspConversionAdministrator;
}

void CPspConversionLoop::PrepareSaveFile()
{
    CMediaConversionData* job = GetCurrentFile();
    if (!job || !m_saveDir) return;
    CSaveFile2& file = GetSaveFile();
    file.SetFilePath(m_saveDir->GetFilePath() + kMovieFolder + job->GetInput().GetOutputFile().GetFileNameOnly());
    file.SetFileReplace(kFileReplaceReplace);
}
