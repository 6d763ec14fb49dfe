#pragma once
// The bookkeeping of one run of a conversion batch that the conversion loops share: each
// item's status, the items that failed and the one message naming them at the end, and the
// output path of the current item.
#include "CPointerList.h"
#include "CRepeatPrompter.h"
#include "CSaveFile2.h"

class CMediaFile2;
class CMediaInfo2;
class CPersistList;
class CSaveDir2;

class CConversionRun {
public:
    enum EStatus : long { kWaiting = 0, kConverting = 1, kDone = 2, kSkipped = 3, kFailed = 4 };

    // Every item waiting, no failures, and the prompter asking again.
    void Begin(CPersistList* items, CMediaInfo2* (*statusOf)(CPersistObject*));
    // Items from the index to the end of the list.
    void MarkFrom(CPersistList* items, int index, long status, CMediaInfo2* (*statusOf)(CPersistObject*));
    void Fail(CPersistObject* item) { m_failed.Add(item); }
    void ClearFailures() { m_failed.RemoveAll(); }
    // One message for the failed items, each named by the text given, then none are left.
    void ReportFailures(const char* heading, CString (*nameOf)(CPersistObject*), const char* advice);

    // The output path: beside the input, or in the save folder, with the folder's replace mode.
    void PrepareSaveFile(CSaveDir2* folder, CMediaFile2& input);
    // The path a file of this name gets: beside the input, or in the save folder.
    static CString SavePath(CSaveDir2& folder, CMediaFile2& input, const CString& name);

    CSaveFile2& GetSaveFile() { return m_saveFile; }
    CRepeatPrompter* GetPrompter() { return &m_prompter; }
    int GetFailedCount() const { return m_failed.GetItemCount(); }

    static const char* const kFilesAdvice;

private:
    CPointerList m_failed;
    CSaveFile2 m_saveFile;
    CRepeatPrompter m_prompter;
};
