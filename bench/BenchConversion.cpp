#include "BenchConversion.h"

#include "CDirectShowWindow.h"
#include "CFileCheckAdministrator2.h"
#include "CFileInputFilters2.h"
#include "CListener.h"
#include "UMediaFileInfo.h"
#include "win32/windowing/MessageLoop.h"

bool ProbeBenchClip(const std::filesystem::path& path, SBenchClip& clip)
{
    CFileCheckAdministrator2 check;
    check.SetFilePath(path.string().c_str());
    if (!check.Create()) return false;
    clip.path = path;
    const bool ok = UMediaFileInfo::GetFileFormat(&check, &clip.inputId, &clip.splitters[0], &clip.splitters[1],
                                                  &clip.splitters[2], &clip.splitters[3], &clip.chainSplitter,
                                                  &clip.duration);
    GUID subtype{}, decoder{}, decoder2{};
    unsigned long code = 0;
    bool plain = false;
    double aspect = 0;
    clip.audio = UMediaFileInfo::GetAudioTrackSettings(&check, 0, subtype, code, plain, decoder, decoder2,
                                                       clip.sampleRate, clip.channels, clip.bits);
    clip.video = UMediaFileInfo::GetVideoTrackCount(&check) > 0 &&
                 UMediaFileInfo::GetVideoTrackSettings(&check, 0, subtype, code, plain, decoder, decoder2, clip.width,
                                                       clip.height, clip.frameRate, aspect);
    check.Release();
    return ok;
}

bool CBenchConversion::CreateInputFilters()
{
    auto* input = new CFileInputFilters2(m_graph);
    input->SetFilePath(m_clip.path.string().c_str());
    input->SetInputId(m_clip.inputId);
    for (int i = 0; i < 4; ++i) input->SetSplitterId(m_clip.splitters[i], i);
    input->SetChainSplitter(m_clip.chainSplitter);
    SetInputFilters(input);
    return true;
}

bool CBenchConversion::ConnectInput()
{
    if (!CDirectShowAdministrator2::ConnectInput()) return false;
    static_cast<CFileInputFilters2*>(m_input)->ReconnectSeeker();
    return true;
}

namespace {

class CEndCounter : public CListener {
public:
    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        if (message == CDirectShowAdministrator2::kGraphCompleteMessage) ++completions;
        if (message == CDirectShowAdministrator2::kGraphErrorAbortMessage) ++aborts;
        return CListener::ListenToMessage(message, p, q);
    }
    int completions = 0;
    int aborts = 0;
};

} // namespace

bool CBenchConversion::RunToEnd(CDirectShowWindow& window)
{
    SetVideoWindow(&window);
    CEndCounter counter;
    AddListener(&counter);
    const bool ok = Create() && Play() && MvPumpUntil([&] { return counter.completions > 0; }, 3600 * 1000) &&
                    counter.aborts == 0;
    RemoveListener(&counter);
    Release();
    return ok;
}
