#pragma once
// "Record...": speaks the text into a WAV file on a worker thread and, for every other
// output type, converts that file into the chosen output. One progress window over both
// steps, one end notice per recording.
#include "CDxTask.h"
#include "CMediaConversionAdministrator2.h"
#include "CTextToSpeechThread2.h"
#include "CWindowsProgressAction.h"
#include "afx/CString.h"

class CDirectShowWindow;
class CMediaFile2;
class CTelloraData;

inline constexpr long kTaskFinishedMessage = 7745452;

class CTextToSpeechTask : public CDxTask, public CWindowsProgressAction {
public:
    static constexpr ESplitterType kWavType = 500;

    CTextToSpeechTask();
    ~CTextToSpeechTask() override;

    void SetData(CTelloraData* data) { m_data = data; }
    void SetText(const char* text) { m_text = text ? text : ""; }
    void SetDirectShowWindow(CDirectShowWindow* window);

    ESplitterType GetSplitter() override;
    // Refused while a recording runs.
    bool Start() override;
    // What stops the output from being written where the user asked; empty when nothing.
    CString GetError() override;
    bool PrepareToStart() override;
    bool StartSelf() override;
    // Ends whatever runs without asking anything: the thread is joined, the graph released.
    void StopSelf() override;
    virtual void Cancel();
    bool ListenToMessage(long message, const void* p, const void* q) override;

    static CString MakeTempFile();
    bool RetrieveTempFileInfo(CMediaFile2& file);
    void ConvertAudio();

    char* GetText() override;
    double GetProgress() override;
    CProgressAction* GetChildAction() override;

    CTextToSpeechThread2& GetThread() { return m_thread; }
    CMediaConversionAdministrator2& GetAdministrator() { return m_administrator; }

private:
    bool IsWavOutput();
    // The recording is over: the window goes, the temporary file too, the user learns the
    // reason of a failure (not after a cancel), and the end notice is sent unless it was.
    void Finish(const char* failure = nullptr);
    void BroadcastFinished();
    // A conversion that ended without an error but left no file says why; empty otherwise.
    CString CheckWrittenFile();
    // Names the file the conversion wrote, then the reason.
    CString WriteError(const char* reason);
    CString GetWrittenPath();
    // Why a conversion could not be put together: the compressor cannot write the type.
    CString RefuseCompressor();
    void DeleteTempFile();

    CTextToSpeechThread2 m_thread;
    CMediaConversionAdministrator2 m_administrator;
    CString m_text;
    CTelloraData* m_data = nullptr;
    bool m_recording = false;   // from the start until the last step has ended
    bool m_wav = false;         // spoken straight into the output: no temporary file
    bool m_finishSent = false;  // this recording's end notice is out
};
