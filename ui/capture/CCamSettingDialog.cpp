#include "CCamSettingDialog.h"

#include "UCameraDialogPages.h"

CCamSettingDialog::CCamSettingDialog(CWnd* parent)
    : CStackExportDialog(parent),
      m_video(UCameraDialogPages::kBaseLayouts, nullptr),
      m_audio(true, UCameraDialogPages::kRunningApplication, nullptr)
{
}

CCamSettingDialog::~CCamSettingDialog()
{
    UCameraDialogPages::Close(m_stack, {&m_audio, &m_video});
}

void CCamSettingDialog::SetData(CVideoRecorder2& recorder)
{
    m_recorder = recorder;
}

void CCamSettingDialog::SetupPanels()
{
    SetWindowText(UCameraDialogPages::kTitle);
    m_stack.AddPanel(&m_videoInfo, &m_video, "WebCam");
    m_stack.AddPanel(&m_audioInfo, &m_audio, UCameraDialogPages::kAudioCaption);
    m_video.SetObject(&m_recorder);
    m_audio.SetObject(&m_recorder.GetAudioSource());
    m_video.SetPanels(&m_audio);
}
