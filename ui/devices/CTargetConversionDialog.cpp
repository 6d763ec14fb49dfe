#include "CTargetConversionDialog.h"

#include "TPromptOnCopy.h"

namespace {
// The preset dialog shows its pages in their base layouts.
constexpr unsigned long kBaseLayouts = 1;
constexpr unsigned char kMinimumOutput = 1;
} // namespace

bool CTargetConversionDialog::Prompt(CTargetConversion& preset)
{
    return PromptOnCopy<CTargetConversionDialog>(preset);
}

CTargetConversionDialog::CTargetConversionDialog(CWnd* parent)
    : CStackExportDialog(parent),
      m_name(kBaseLayouts, nullptr),
      m_video(kBaseLayouts, nullptr),
      m_videoType(kBaseLayouts, nullptr),
      m_audioType(kBaseLayouts, nullptr),
      m_tv(kBaseLayouts, nullptr),
      m_wm(kBaseLayouts, nullptr),
      m_real(kBaseLayouts, nullptr),
      m_maxVideo(kBaseLayouts, nullptr),
      m_maxMode(kBaseLayouts, nullptr),
      m_maxQuality(kBaseLayouts, nullptr),
      m_maxBitrate(kBaseLayouts, nullptr),
      m_maxQualityBitrate(kBaseLayouts, nullptr),
      m_minVideo(kBaseLayouts, nullptr),
      m_minMode(kBaseLayouts, nullptr),
      m_minQuality(kBaseLayouts, nullptr),
      m_minBitrate(kBaseLayouts, nullptr),
      m_minQualityBitrate(kBaseLayouts, nullptr),
      m_videoComplexity(kBaseLayouts, nullptr),
      m_frameRate(kBaseLayouts, nullptr),
      m_aspectRatio(kBaseLayouts, nullptr),
      m_maxAudio(kBaseLayouts, nullptr),
      m_minAudio(kBaseLayouts, nullptr),
      m_audioComplexity(kBaseLayouts, nullptr)
{
    m_minVideo.SetOutputFlag(kMinimumOutput);
    m_minMode.SetOutputFlag(kMinimumOutput);
    m_minQuality.SetOutputFlag(kMinimumOutput);
    m_minBitrate.SetOutputFlag(kMinimumOutput);
    m_minQualityBitrate.SetOutputFlag(kMinimumOutput);
    m_minAudio.SetOutputFlag(kMinimumOutput);
}

CTargetConversionDialog::~CTargetConversionDialog()
{
    // The name page's controller must not switch pages that are going away.
    m_name.SetPanels(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                     nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    CPanel* pages[] = {&m_audioComplexity, &m_minAudio,     &m_maxAudio,   &m_aspectRatio,       &m_frameRate,
                       &m_videoComplexity, &m_minQualityBitrate, &m_minBitrate, &m_minQuality, &m_minMode,
                       &m_minVideo,        &m_maxQualityBitrate, &m_maxBitrate, &m_maxQuality, &m_maxMode,
                       &m_maxVideo,        &m_real,         &m_wm,         &m_tv,                &m_audioType,
                       &m_videoType,       &m_video,        &m_name};
    for (CPanel* page : pages)
        if (page->m_hWnd) page->DestroyWindow();
    m_stack.Reset();
}

void CTargetConversionDialog::SetupPanels()
{
    m_stack.AddPanel(&m_nameInfo, &m_name, "Name");
    m_stack.AddPanel(&m_videoInfo, &m_video, "Video");
    m_stack.AddPanel(&m_videoTypeInfo, &m_videoType, "Video Type");
    m_stack.AddPanel(&m_audioTypeInfo, &m_audioType, "Audio Type");
    m_stack.AddPanel(&m_tvInfo, &m_tv, "TV");
    m_stack.AddPanel(&m_wmInfo, &m_wm, "Windows Media");
    m_stack.AddPanel(&m_realInfo, &m_real, "RealMedia");
    m_stack.AddPanel(&m_maxVideoInfo, &m_maxVideo, "Maximum Video Settings");
    m_stack.AddPanel(&m_maxModeInfo, &m_maxMode, "Maximum Video Quality Mode");
    m_stack.AddPanel(&m_maxQualityInfo, &m_maxQuality, "Maximum Video Quality");
    m_stack.AddPanel(&m_maxBitrateInfo, &m_maxBitrate, "Maximum Video Bitrate");
    m_stack.AddPanel(&m_maxQualityBitrateInfo, &m_maxQualityBitrate, "Maximum Video Quality and Bitrate");
    m_stack.AddPanel(&m_minVideoInfo, &m_minVideo, "Minimum Video Settings");
    m_stack.AddPanel(&m_minModeInfo, &m_minMode, "Minimum Video Quality Mode");
    m_stack.AddPanel(&m_minQualityInfo, &m_minQuality, "Minimum Video Quality");
    m_stack.AddPanel(&m_minBitrateInfo, &m_minBitrate, "Minimum Video Bitrate");
    m_stack.AddPanel(&m_minQualityBitrateInfo, &m_minQualityBitrate, "Minimum Video Quality and Bitrate");
    m_stack.AddPanel(&m_videoComplexityInfo, &m_videoComplexity, "Video Complexity");
    m_stack.AddPanel(&m_frameRateInfo, &m_frameRate, "Video Frame Rate");
    m_stack.AddPanel(&m_aspectRatioInfo, &m_aspectRatio, "Aspect Ratio and Scaling");
    m_stack.AddPanel(&m_maxAudioInfo, &m_maxAudio, "Maximum Audio Settings");
    m_stack.AddPanel(&m_minAudioInfo, &m_minAudio, "Minimum Audio Settings");
    m_stack.AddPanel(&m_audioComplexityInfo, &m_audioComplexity, "Audio Complexity");

    m_name.SetPanels(&m_videoType, &m_audioType, &m_tv, &m_wm, &m_real, &m_maxVideo, &m_maxMode, &m_maxQuality,
                     &m_maxBitrate, &m_maxQualityBitrate, &m_videoComplexity, &m_frameRate, &m_maxAudio,
                     &m_audioComplexity, &m_minVideo, &m_minMode, &m_minQuality, &m_minBitrate, &m_minQualityBitrate,
                     &m_minAudio);
    m_videoType.SetPanels(&m_tv, &m_wm, &m_real, &m_maxVideo, nullptr, &m_maxAudio, nullptr, &m_videoComplexity,
                          &m_frameRate, &m_audioComplexity, nullptr, nullptr, nullptr, nullptr);
    m_maxVideo.SetPanels(&m_maxQuality, &m_maxBitrate, &m_maxQualityBitrate, &m_maxMode);
    m_minVideo.SetPanels(&m_minQuality, &m_minBitrate, &m_minQualityBitrate, &m_minMode);
    m_audioType.SetPanels(&m_wm, &m_real, &m_maxAudio, nullptr, &m_audioComplexity);

    // Binding the name page switches the output pages on for the preset's media type.
    m_name.SetObject(&m_target);
    m_video.SetObject(&m_target);
    m_aspectRatio.SetObject(&m_target.GetAspectRatio());
    SetWindowText("Target");
}
