#pragma once
// Takes media files from an open prompt, a drop or a path, probes them on a worker thread
// behind a progress dialog, and announces the files accepted (5548341).
#include "CMediaFileCheckThread.h"
#include "CMediaVerifier.h"
#include "win32/WinTypes.h"

class CFilePrompter;
class CPath;

class CMediaFileVerifier : public CMediaVerifier {
public:
    // With multiple, the prompt takes several files and failures are listed in a dialog.
    CMediaFileVerifier(bool addAudio, bool addVideo, bool requireAudio, bool multiple);
    ~CMediaFileVerifier() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    void FinishAdd() override;
    void PopulateMediaList() override;
    void PromptFailedFiles() override;

    void Add();
    void AddFiles(HDROP drop);
    void AddFile(const char* path);
    void FillFilePrompter(CFilePrompter& prompter);
    // Moves a file into the list (true), or the files below a folder (false: the folder
    // itself stays with the caller).
    bool Unwind(CPath* path, CPointerList& list);

    CMediaFileCheckThread& GetWorker() { return m_worker; }
    bool GetMultiple() const { return m_multiple; }

private:
    void StartChecking();

    bool m_multiple;
    CMediaFileCheckThread m_worker;
};
