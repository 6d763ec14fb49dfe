#pragma once
// Edits one conversion preset on a copy, in stacked pages: its identity and video limits,
// then the output pages of its media type for the preferred and the minimum outputs.
#include "CAspectRatioInfo2Panel.h"
#include "CAudioComplexityPanel.h"
#include "CAudioOutput2Panel.h"
#include "CAudioOutputTypePanel.h"
#include "CRealProfilePanel.h"
#include "CStackExportDialog.h"
#include "CStackPanelInfo.h"
#include "CTargetConversion.h"
#include "CTargetConversionNamePanel.h"
#include "CTargetConversionVideoPanel.h"
#include "CTvStandardPanel.h"
#include "CVideoBitratePanel.h"
#include "CVideoComplexityPanel.h"
#include "CVideoKeyFramePanel.h"
#include "CVideoModePanel.h"
#include "CVideoOutput2Panel.h"
#include "CVideoOutputTypePanel.h"
#include "CVideoQualityBitratePanel.h"
#include "CVideoQualityPanel.h"
#include "CWmOutput2Panel.h"

class CTargetConversionDialog : public CStackExportDialog {
public:
    // True, with the preset changed, only when the user ends with OK.
    static bool Prompt(CTargetConversion& preset);

    explicit CTargetConversionDialog(CWnd* parent);
    ~CTargetConversionDialog() override;

    void SetupPanels() override;
    CTargetConversion& GetTargetConversion() { return m_target; }

private:
    // The copy goes last, after every page that listens to it.
    CTargetConversion m_target;
    CStackPanelInfo m_nameInfo;
    CTargetConversionNamePanel m_name;
    CStackPanelInfo m_videoInfo;
    CTargetConversionVideoPanel m_video;
    CStackPanelInfo m_videoTypeInfo;
    CVideoOutputTypePanel m_videoType;
    CStackPanelInfo m_audioTypeInfo;
    CAudioOutputTypePanel m_audioType;
    CStackPanelInfo m_tvInfo;
    CTvStandardPanel m_tv;
    CStackPanelInfo m_wmInfo;
    CWmOutput2Panel m_wm;
    CStackPanelInfo m_realInfo;
    CRealProfilePanel m_real;
    CStackPanelInfo m_maxVideoInfo;
    CVideoOutput2Panel m_maxVideo;
    CStackPanelInfo m_maxModeInfo;
    CVideoModePanel m_maxMode;
    CStackPanelInfo m_maxQualityInfo;
    CVideoQualityPanel m_maxQuality;
    CStackPanelInfo m_maxBitrateInfo;
    CVideoBitratePanel m_maxBitrate;
    CStackPanelInfo m_maxQualityBitrateInfo;
    CVideoQualityBitratePanel m_maxQualityBitrate;
    CStackPanelInfo m_minVideoInfo;
    CVideoOutput2Panel m_minVideo;
    CStackPanelInfo m_minModeInfo;
    CVideoModePanel m_minMode;
    CStackPanelInfo m_minQualityInfo;
    CVideoQualityPanel m_minQuality;
    CStackPanelInfo m_minBitrateInfo;
    CVideoBitratePanel m_minBitrate;
    CStackPanelInfo m_minQualityBitrateInfo;
    CVideoQualityBitratePanel m_minQualityBitrate;
    CStackPanelInfo m_videoComplexityInfo;
    CVideoComplexityPanel m_videoComplexity;
    CStackPanelInfo m_frameRateInfo;
    CVideoKeyFramePanel m_frameRate;
    CStackPanelInfo m_aspectRatioInfo;
    CAspectRatioInfo2Panel m_aspectRatio;
    CStackPanelInfo m_maxAudioInfo;
    CAudioOutput2Panel m_maxAudio;
    CStackPanelInfo m_minAudioInfo;
    CAudioOutput2Panel m_minAudio;
    CStackPanelInfo m_audioComplexityInfo;
    CAudioComplexityPanel m_audioComplexity;
};
