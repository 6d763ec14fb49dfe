#include "COstrelSettingDialog.h"

#include "UCameraDialogPages.h"

COstrelSettingDialog::COstrelSettingDialog(CWnd* parent)
    : CStackExportDialog(parent),
      m_video(UCameraDialogPages::kBaseLayouts, nullptr),
      m_anaglyph(UCameraDialogPages::kBaseLayouts, nullptr),
      m_audio(true, UCameraDialogPages::kRunningApplication, nullptr)
{
    m_video.AddListener(this);
}

COstrelSettingDialog::~COstrelSettingDialog()
{
    UCameraDialogPages::Close(m_stack, {&m_audio, &m_anaglyph, &m_video});
}

void COstrelSettingDialog::SetData(CVideoRecorder3d2& recorder)
{
    m_recorder = recorder;
}

void COstrelSettingDialog::SetupPanels()
{
    SetWindowText(UCameraDialogPages::kTitle);
    m_stack.AddPanel(&m_videoInfo, &m_video, "WebCams");
    m_stack.AddPanel(&m_anaglyphInfo, &m_anaglyph, "3D");
    m_stack.AddPanel(&m_audioInfo, &m_audio, UCameraDialogPages::kAudioCaption);
    m_video.SetObject(&m_recorder);
    m_anaglyph.SetObject(&m_recorder.Get3dInfo());
    m_audio.SetObject(&m_recorder.GetAudioSource());
    m_video.SetPanels(&m_audio, &m_anaglyph);
}

bool COstrelSettingDialog::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kDeviceSettingsMessage) {
        Broadcast(kDeviceSettingsMessage, nullptr, nullptr);
        return true;
    }
    return CListener::ListenToMessage(message, p, q);
}
