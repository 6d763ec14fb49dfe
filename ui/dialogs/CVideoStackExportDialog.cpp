#include "CVideoStackExportDialog.h"

#include <initializer_list>

namespace {
// Export dialogs show their pages in the base layouts; the encoder mode pages follow the
// running application.
constexpr unsigned long kBaseLayouts = 1;
constexpr unsigned long kRunningApplication = 0;
} // namespace

CVideoStackExportDialog::CVideoStackExportDialog(CWnd* parent)
    : CMediaWriterExportDialog(parent, false),
      m_format(kBaseLayouts, nullptr),
      m_tv(kBaseLayouts, nullptr),
      m_wm(kBaseLayouts, nullptr),
      m_real(kBaseLayouts, nullptr),
      m_video(kBaseLayouts, nullptr),
      m_mode(kRunningApplication, nullptr),
      m_quality(kRunningApplication, nullptr),
      m_bitrate(kRunningApplication, nullptr),
      m_qualityBitrate(kRunningApplication, nullptr),
      m_videoComplexity(kBaseLayouts, nullptr),
      m_keyFrame(kBaseLayouts, nullptr),
      m_audio(kBaseLayouts, nullptr),
      m_audioComplexity(kBaseLayouts, nullptr),
      m_file(false, kBaseLayouts, nullptr)
{
    m_file.SetOutput(&m_writer.GetMediaOutput());
}

CVideoStackExportDialog::~CVideoStackExportDialog()
{
    DestroyVideoPanels();
}

void CVideoStackExportDialog::DestroyVideoPanels()
{
    // Pages go before the record they show, the last added first.
    CPanel* pages[] = {&m_file,    &m_audioComplexity, &m_audio,   &m_keyFrame, &m_videoComplexity,
                       &m_qualityBitrate, &m_bitrate,  &m_quality, &m_mode,     &m_video,
                       &m_real,    &m_wm,              &m_tv,      &m_format};
    for (CPanel* page : pages)
        if (page->m_hWnd) page->DestroyWindow();
    m_stack.Reset();
}

void CVideoStackExportDialog::AddVideoPanels()
{
    m_stack.AddPanel(&m_formatInfo, &m_format, "Format");
    m_stack.AddPanel(&m_tvInfo, &m_tv, "TV Standard");
    m_stack.AddPanel(&m_wmInfo, &m_wm, "Windows Media Settings");
    m_stack.AddPanel(&m_realInfo, &m_real, "RealMedia Settings");
    m_stack.AddPanel(&m_videoInfo, &m_video, "Video Settings");
    m_stack.AddPanel(&m_modeInfo, &m_mode, "Mode");
    m_stack.AddPanel(&m_qualityInfo, &m_quality, "Quality");
    m_stack.AddPanel(&m_bitrateInfo, &m_bitrate, "Bitrate");
    m_stack.AddPanel(&m_qualityBitrateInfo, &m_qualityBitrate, "Quality/Bitrate");
    m_stack.AddPanel(&m_videoComplexityInfo, &m_videoComplexity, "Video Complexity");
    m_stack.AddPanel(&m_keyFrameInfo, &m_keyFrame, "Key Frames");
    m_stack.AddPanel(&m_audioInfo, &m_audio, "Audio Settings");
    m_stack.AddPanel(&m_audioComplexityInfo, &m_audioComplexity, "Audio Complexity");
    m_stack.AddPanel(&m_fileInfo, &m_file, kFilePathTitle);
    m_format.SetPanels(&m_tv, &m_wm, &m_real, &m_video, nullptr, &m_audio, nullptr, &m_videoComplexity, &m_keyFrame,
                       &m_audioComplexity, nullptr, nullptr, nullptr, nullptr);
    m_video.SetPanels(&m_quality, &m_bitrate, &m_qualityBitrate, &m_mode);
}

void CVideoStackExportDialog::BindVideoPanels()
{
    CMediaOutput2& output = m_writer.GetMediaOutput();
    for (CObjectPanel* page : std::initializer_list<CObjectPanel*>{&m_format, &m_tv, &m_wm, &m_real, &m_video, &m_mode,
                                                                   &m_quality, &m_bitrate, &m_qualityBitrate})
        page->SetObject(&output);
    m_videoComplexity.SetObject(&output.GetVideoOutput());
    m_keyFrame.SetObject(&output.GetVideoOutput());
    m_audio.SetObject(&output);
    m_audioComplexity.SetObject(output.GetAudioOutput(0));
    m_file.SetObject(&m_writer.GetFilePath());
}

void CVideoStackExportDialog::SetupPanels()
{
    AddVideoPanels();
    BindVideoPanels();
}
