#include "CFileOutputFilters2.h"

#include "CAnimatedGifMuxSetter.h"
#include "CFtpFileWriter.h"
#include "CMuxFilter.h"
#include "CQtExportSettings.h"
#include "CQuickTimeAifExportWriter.h"
#include "CQuickTimeExportPersist.h"
#include "CQuickTimeFileWriter.h"
#include "CQuickTimeFlcExportWriter.h"
#include "CQuickTimeMp4ExportWriter.h"
#include "CRealFileWriter.h"
#include "CSarvexMpegWriter.h"
#include "CWmCodecFileWriter2.h"
#include "CWmProfileResizingWithBitrateFileWriter2.h"
#include "CffWriter.h"
#include "CQuickTimeExportWriter.h"
#include "UDirectoryUtils.h"
#include "UFileReplace.h"
#include "UFileUtils.h"
#include "UFilterUtils2.h"

namespace {

CString TwoDigits(int value)
{
    CString text;
    text.Format(value < 10 ? "0%d" : "%d", value);
    return text;
}

} // namespace

CFileOutputFilters2::CFileOutputFilters2(CDirectShowGraph* graph) : CMultiplexOutputFilters2(graph) {}

CFileOutputFilters2::~CFileOutputFilters2()
{
    CFileOutputFilters2::Release();
}

CString CFileOutputFilters2::AutoNamedPath(const char* path, const std::tm& local)
{
    const CString folder = UFileUtils::GetPathOnly(path);
    CString named;
    named.Format("%s/%s_%d_%s_%s_%s_%s_%s.%s", folder.GetString(),
                 CString(UFileUtils::GetFileNameWithoutExtension(path)).GetString(), local.tm_year + 1900,
                 TwoDigits(local.tm_mon + 1).GetString(), TwoDigits(local.tm_mday).GetString(),
                 TwoDigits(local.tm_hour).GetString(), TwoDigits(local.tm_min).GetString(),
                 TwoDigits(local.tm_sec).GetString(), CString(UFileUtils::GetFileExtension(path)).GetString());
    return named;
}

void CFileOutputFilters2::UseFilePath()
{
    if (!m_autoNaming) {
        m_effectivePath = m_filePath;
        return;
    }
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    m_effectivePath = AutoNamedPath(m_filePath, local);
}

bool CFileOutputFilters2::CanCreateFile()
{
    if (m_splitterType == 1800) return true;
    m_effectivePath = UFileReplace::GetFilePath(m_prompter, m_effectivePath, m_option);
    return !m_effectivePath.IsEmpty();
}

bool CFileOutputFilters2::PrepareOutput(CInputFilters2*)
{
    UseFilePath();
    if (!CanCreateFile()) return false;
    UDirectoryUtils::EstablishPath(m_effectivePath);
    Release();
    return CreateMux() && CreateMux2();
}

bool CFileOutputFilters2::CreateMux()
{
    m_mux = UFilterUtils2::CreateMultiplexer(m_graph, m_splitterType);
    return !m_mux || m_mux->Create();
}

bool CFileOutputFilters2::CreateMux2()
{
    m_mux2 = UFilterUtils2::CreateMultiplexer2(m_graph, m_splitterType);
    return !m_mux2 || m_mux2->Create();
}

bool CFileOutputFilters2::CreateOutput()
{
    m_writer = UFilterUtils2::CreateOutput(m_graph, m_splitterType);
    if (!m_writer) return false;
    ConfigureOutput();
    m_writer->SetFilePath(m_effectivePath);
    return m_writer->Create();
}

void CFileOutputFilters2::ConfigureAnimatedGifMux()
{
    if (m_mux) CAnimatedGifMuxSetter(m_mux).SetLoop(m_loop);
}

// The stored QuickTime export settings made for this job's streams: the MP4 exporter takes
// only an exact match, the others the closest one.
CQtExportSettings* CFileOutputFilters2::FindExportSettings(bool video, bool audio) const
{
    CQuickTimeExportPersist* store = CQuickTimeExportPersist::sData;
    if (!store) return nullptr;
    const char* videoName = video ? m_videoCodecName.GetString() : "";
    const char* audioName = audio ? m_audioCodecName.GetString() : "";
    if (dynamic_cast<CQuickTimeMp4ExportWriter*>(m_writer))
        return store->Find(m_splitterType, m_tvType, videoName, audioName, m_audioSampleRate, m_audioChannels,
                           m_audioBits, m_audioBitrate);
    return store->RoughFind(m_splitterType, m_tvType, videoName, audioName, m_audioSampleRate, m_audioChannels,
                            m_audioBits, m_audioBitrate);
}

void CFileOutputFilters2::ConfigureOutput()
{
    if (m_splitterType == 1600) {
        ConfigureAnimatedGifMux();
        return;
    }
    if (!m_writer) return;
    const bool video = m_wantsVideo && SupportVideo();
    const bool audio = m_wantsAudio && SupportAudio();
    if (auto* writer = dynamic_cast<CQuickTimeFlcExportWriter*>(m_writer)) {
        writer->SetVideoCodecName(m_videoCodecName);
        writer->SetQuality(m_videoQuality);
    } else if (auto* writer = dynamic_cast<CQuickTimeAifExportWriter*>(m_writer)) {
        writer->SetAudioCodecName(m_audioCodecName);
    } else if (auto* writer = dynamic_cast<CQuickTimeFileWriter*>(m_writer)) {
        writer->SetVideoCodecName(m_videoCodecName);
        writer->SetQuality(m_videoQuality);
        writer->SetVideoBitrate(m_videoBitrate);
        writer->SetSettings(m_videoSettings);
        writer->SetKeyFrame(m_keyFrame);
        writer->SetAudioCodecName(m_audioCodecName);
    } else if (auto* writer = dynamic_cast<CQuickTimeExportWriter*>(m_writer)) {
        writer->SetQuality(m_videoQuality);
        writer->SetVideoBitrate(m_videoBitrate);
        writer->SetAudioBitrate(m_audioBitrate);
        if (CQtExportSettings* stored = FindExportSettings(video, audio))
            writer->SetSettings(stored->GetSettings().GetBuffer(), stored->GetSettings().GetSize());
    } else if (auto* writer = dynamic_cast<CRealFileWriter*>(m_writer)) {
        writer->SetAudience(m_realAudience);
        writer->SetVideoMode(m_videoMode);
        writer->SetVideoComplexity(m_videoComplexity);
        writer->SetKeyFrame(m_keyFrame);
        writer->SetLatency(m_latency);
        writer->SetAudioMode(m_audioMode);
        writer->SetAudioComplexity(m_audioComplexity);
    } else if (auto* writer = dynamic_cast<CWmCodecFileWriter2*>(m_writer)) {
        writer->SetWantsVideo(video);
        writer->SetWantsAudio(audio);
        writer->SetVideoCodecName(m_videoCodecName);
        writer->SetAudioCodecName(m_audioCodecName);
        writer->SetSampleRate(m_audioSampleRate);
        writer->SetChannels(m_audioChannels);
        writer->SetBitsPerSample(m_audioBits);
        writer->SetAudioEncoderControl(m_audioQualityMode);
        writer->SetAudioBitrate(m_audioBitrate);
        writer->SetAudioQuality(m_audioQuality);
        writer->SetWidth(m_videoWidth);
        writer->SetHeight(m_videoHeight);
        writer->SetFrameRate(m_videoFrameRate);
        writer->SetVideoEncoderControl(m_videoQualityMode);
        writer->SetVideoBitrate(m_videoBitrate);
        writer->SetVideoQuality(LimitQuality(m_videoQuality));
    } else if (auto* writer = dynamic_cast<CWmProfileFileWriter2*>(m_writer)) {
        writer->SetWantsVideo(video);
        writer->SetWantsAudio(audio);
        writer->SetProfileVersion(m_wmVersion);
        writer->SetProfileName(m_wmProfile);
        if (auto* resizing = dynamic_cast<CWmProfileResizingFileWriter2*>(m_writer)) {
            resizing->SetWidth(m_videoWidth);
            resizing->SetHeight(m_videoHeight);
            resizing->SetFrameRate(m_videoFrameRate);
        }
        if (auto* full = dynamic_cast<CWmProfileResizingWithBitrateFileWriter2*>(m_writer)) {
            full->SetVideoCodecName(m_videoCodecName);
            full->SetVideoBitrate(m_videoBitrate);
            full->SetAudioCodecName(m_audioCodecName);
            full->SetSampleRate(m_audioSampleRate);
            full->SetChannels(m_audioChannels);
            full->SetBitsPerSample(m_audioBits);
            full->SetAudioBitrate(m_audioBitrate);
        }
    } else if (auto* writer = dynamic_cast<CSarvexMpegWriter*>(m_writer)) {
        writer->SetFileType(m_splitterType);
        writer->SetNoVideo(!m_wantsVideo);
        writer->SetTvType(m_tvType);
        writer->SetWidth(m_videoWidth);
        writer->SetHeight(m_videoHeight);
        writer->SetEncoderControl(m_videoQualityMode);
        writer->SetQuality(m_videoQuality);
        writer->SetVideoBitrate(m_videoBitrate);
        writer->SetSampleRate(m_audioSampleRate);
        writer->SetAudioBitrate(m_audioBitrate);
    } else if (auto* writer = dynamic_cast<CFtpFileWriter*>(m_writer)) {
        writer->SetInterval(m_ftpInterval);
        writer->SetServer(m_ftpServer);
        writer->SetPath(m_ftpPath);
        writer->SetUserName(m_ftpUserName);
        writer->SetPassword(m_ftpPassword);
        writer->SetPort(static_cast<unsigned short>(m_ftpPort));
        writer->SetPassive(m_ftpPassive);
    } else if (auto* writer = dynamic_cast<CffWriter*>(m_writer)) {
        writer->SetVideoCodecName(m_videoCodecName);
        writer->SetAudioCodecName(m_audioCodecName);
        writer->SetVideoBitrate(m_videoBitrate);
        writer->SetAudioBitrate(m_audioBitrate);
    }
}

void CFileOutputFilters2::ConfigureOutputBeforeConnect()
{
    if (m_splitterType < 200 || m_splitterType > 420) return;
    if (dynamic_cast<CSarvexMpegWriter*>(m_writer) || dynamic_cast<CWmAsfWriter*>(m_writer)) ConfigureOutput();
    if (auto* writer = dynamic_cast<CWmAsfWriter*>(m_writer)) {
        writer->SetWantsVideo(m_wantsVideo && SupportVideo() && !m_videoChains.empty());
        writer->SetWantsAudio(m_wantsAudio && SupportAudio() && !m_audioChains.empty());
        writer->SetupBeforeConnect();
    }
}
