#include "UConversionItems.h"

#include "CMediaConversionAdministrator2.h"
#include "CMediaConversionData.h"
#include "CMediaFile2.h"

CMediaInfo2* UConversionItems::StatusOfJob(CPersistObject* item)
{
    auto* job = dynamic_cast<CMediaConversionData*>(item);
    return job ? &job->GetInput() : nullptr;
}

CMediaInfo2* UConversionItems::StatusOfFile(CPersistObject* item)
{
    return dynamic_cast<CMediaInfo2*>(item);
}

void UConversionItems::SetStatus(CMediaInfo2* info, long status)
{
    if (info) info->SetStatus(status);
}

CString UConversionItems::PathOfJob(CPersistObject* item)
{
    auto* job = dynamic_cast<CMediaConversionData*>(item);
    return job ? job->GetInput().GetFilePath().GetFilePath() : CString();
}

CString UConversionItems::PathOfFile(CPersistObject* item)
{
    auto* file = dynamic_cast<CMediaFile2*>(item);
    return file ? file->GetFilePath().GetFilePath() : CString();
}

double UConversionItems::BatchProgress(CDirectShowAdministrator2* administrator, double itemDuration, double done,
                                       double total)
{
    if (total <= 0) return 0;
    auto* converter = dynamic_cast<CMediaConversionAdministrator2*>(administrator);
    if (converter && itemDuration > 0) return (converter->GetProgress() * itemDuration + done) / total;
    return done / total;
}
