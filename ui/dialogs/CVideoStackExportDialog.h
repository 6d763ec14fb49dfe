#pragma once
// The video export dialog: every setting of a video output with its sound on stacked pages,
// edited on a working copy that the caller takes back only after OK.
#include "CAdvVideoOutputPanel.h"
#include "CAudioComplexityPanel.h"
#include "CAudioOutput2Panel.h"
#include "CMediaWriterExportDialog.h"
#include "CRealProfilePanel.h"
#include "CSaveFile2Panel.h"
#include "CStackPanelInfo.h"
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

class CVideoStackExportDialog : public CMediaWriterExportDialog {
public:
    explicit CVideoStackExportDialog(CWnd* parent);
    ~CVideoStackExportDialog() override;

    void SetupPanels() override;

protected:
    // Adds the pages and wires the ones that depend on each other, without binding them.
    void AddVideoPanels();
    // Binds each page to its record, in the order they were added.
    void BindVideoPanels();
    // Closes the pages, the last added first, and empties the stack; again does nothing.
    void DestroyVideoPanels();

private:
    CStackPanelInfo m_formatInfo;
    CVideoOutputTypePanel m_format;
    CStackPanelInfo m_tvInfo;
    CTvStandardPanel m_tv;
    CStackPanelInfo m_wmInfo;
    CWmOutput2Panel m_wm;
    CStackPanelInfo m_realInfo;
    CRealProfilePanel m_real;
    CStackPanelInfo m_videoInfo;
    CVideoOutput2Panel m_video;
    CStackPanelInfo m_modeInfo;
    CVideoModePanel m_mode;
    CStackPanelInfo m_qualityInfo;
    CVideoQualityPanel m_quality;
    CStackPanelInfo m_bitrateInfo;
    CVideoBitratePanel m_bitrate;
    CStackPanelInfo m_qualityBitrateInfo;
    CVideoQualityBitratePanel m_qualityBitrate;
    CStackPanelInfo m_videoComplexityInfo;
    CVideoComplexityPanel m_videoComplexity;
    CStackPanelInfo m_keyFrameInfo;
    CVideoKeyFramePanel m_keyFrame;
    CStackPanelInfo m_audioInfo;
    CAudioOutput2Panel m_audio;
    CStackPanelInfo m_audioComplexityInfo;
    CAudioComplexityPanel m_audioComplexity;
    CStackPanelInfo m_fileInfo;
    CSaveFile2Panel m_file;
};
