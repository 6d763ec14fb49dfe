#pragma once
// The application class of every program on the media engine: brings the engine up and
// down around the program's life, runs the codec check with its progress dialog, and
// opens the download pages of the outside components the engine may need.
#include "CMorvaneApp.h"
#include "CProgressDialog2.h"
#include "CTagMaps.h"

#include <memory>
#include <vector>

class CCodecTesterThread;
class CDeviceController;
class CDirectShowSystem2;
class StDirectShow;

class CMorvaneDirectShowApp2 : public CMorvaneApp {
public:
    CMorvaneDirectShowApp2();
    ~CMorvaneDirectShowApp2() override;

    BOOL InitInstance() override;
    int ExitInstance() override;
    bool ListenToMessage(long message, const void* p, const void* q) override;

    virtual void StartTester(bool prompt);
    virtual bool StartAudioTester(bool prompt);
    virtual bool StartVideoTester(bool prompt);
    virtual void EndAudioTester();
    virtual void EndVideoTester();

    bool HasSkippedCodecs();
    void LoadSkippedCodecs();
    void LoopCodecs(bool prompt);

    void DownloadDirectShow();
    void DownloadWindowsMediaFormat();
    void DownloadAspi();
    void DownloadOggVorbis();
    void DownloadAc3Decoder();
    void DownloadDivxCodec();
    void DownloadQuickTime();
    void DownloadTtsEngine();
    void DownloadXvidCodec();
    void DownloadLameAcm();
    void DownloadffdShow();
    void Download3ivx();
    void DownloadRealAlternative();
    void DownloadMatroska();

    void SetWantsDeviceController(bool wants) { m_wantsDeviceController = wants; }
    void SetWindowsMedia(bool on) { m_windowsMedia = on; }
    CDirectShowSystem2* GetSystem() const { return m_system; }
    CCodecTesterThread* GetAudioTester() const { return m_audioTester; }
    CCodecTesterThread* GetVideoTester() const { return m_videoTester; }
    CProgressDialog2& GetProgressDialog() { return m_progress; }

protected:
    CDeviceController* m_deviceController = nullptr;
    bool m_wantsDeviceController = false;
    StDirectShow* m_directShow = nullptr;
    CDirectShowSystem2* m_system = nullptr;
    bool m_windowsMedia = true;
    CCodecTesterThread* m_audioTester = nullptr;
    CCodecTesterThread* m_videoTester = nullptr;
    CProgressDialog2 m_progress;
    CTagMaps m_tagMaps;
    // Testers that finished inside their own broadcast, or that a hung codec keeps busy
    // after a cancel, freed once their thread has ended.
    std::vector<std::unique_ptr<CCodecTesterThread>> m_retired;

public:
    // How long a cancel waits for a tester before the user interface goes on without it.
    static DWORD sStopWaitMs;

private:
    // Starts a tester thread with the progress dialog open; false (and nothing kept)
    // when it has nothing to test.
    bool StartTester(CCodecTesterThread*& slot, CCodecTesterThread* tester, bool prompt, const char* title);
    void EndTester(CCodecTesterThread*& slot);
    void FreeEndedTesters();
};
