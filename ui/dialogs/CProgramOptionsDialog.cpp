#include "CProgramOptionsDialog.h"

#include "StApplicationId.h"

#include <algorithm>
#include <initializer_list>

namespace {

// False without an application id holder, as for an id not listed.
bool RunningIn(std::initializer_list<unsigned long> ids)
{
    if (!StApplicationId::sId) return false;
    const unsigned long id = StApplicationId::Id();
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

constexpr unsigned long kBaseLayouts = 1;
constexpr unsigned long kRunningApplication = 0;

} // namespace

bool CProgramOptionsDialog::NeedsLame()
{
    return RunningIn({11097, 19084, 19237, 23974, 27746, 29771, 31198, 37019, 44033, 44035, 45389, 49661, 50722,
                      56631, 58090, 59301, 60995, 64481, 77002, 79001, 81932, 84025, 87232, 90164, 98102, 99087});
}

bool CProgramOptionsDialog::NeedsRealAlternative()
{
    return false;
}

bool CProgramOptionsDialog::NeedsMpegAudioDecoder()
{
    return RunningIn({19237, 23974, 27746, 31198, 37019, 44033, 44035, 58090, 59301, 60995, 64481, 77002, 81932,
                      84025, 87232, 90164, 99087});
}

bool CProgramOptionsDialog::NeedsTaskBarMinimize()
{
    return RunningIn({29771, 49534, 79001});
}

bool CProgramOptionsDialog::NeedsDvdRip()
{
    return RunningIn({19237, 27746, 31198, 44033, 44035, 50957, 58090, 59301, 60995, 64481, 77002, 81932, 87232,
                      90164, 99087});
}

bool CProgramOptionsDialog::NeedsRecordingPath()
{
    return RunningIn({11097, 19084, 29771, 45389, 49534, 49661, 56631, 79001});
}

CProgramOptionsDialog::CProgramOptionsDialog(CWnd* parent)
    : CStackExportDialog(parent),
      m_lame(kBaseLayouts, nullptr),
      m_real(kRunningApplication, nullptr),
      m_mpeg(kBaseLayouts, nullptr),
      m_taskBar(kBaseLayouts, nullptr),
      m_dvd(kRunningApplication, nullptr),
      m_recording(kRunningApplication, nullptr)
{
}

CProgramOptionsDialog::~CProgramOptionsDialog()
{
    CPanel* pages[] = {&m_recording, &m_dvd, &m_taskBar, &m_mpeg, &m_real, &m_lame};
    for (CPanel* page : pages)
        if (page->m_hWnd) page->DestroyWindow();
    m_stack.Reset();
}

void CProgramOptionsDialog::SetupPanels()
{
    if (CGlobalSetting::sSettings) m_global = *CGlobalSetting::sSettings;
    if (CLocalSetting::sSettings) m_local = *CLocalSetting::sSettings;
    struct Page {
        bool needed;
        CStackPanelInfo* info;
        CObjectPanel* panel;
        const char* title;
        CPersistObject* setting;
    } pages[] = {
        {NeedsLame(), &m_lameInfo, &m_lame, "Lame_enc.dll", &m_global.GetLameDll()},
        {NeedsRealAlternative(), &m_realInfo, &m_real, "Real Alternative", &m_global.GetRealAlternative()},
        {NeedsMpegAudioDecoder(), &m_mpegInfo, &m_mpeg, "MPEG Audio Decoder", &m_local.GetDecodeMpeg()},
        {NeedsTaskBarMinimize(), &m_taskBarInfo, &m_taskBar, "Task Bar", &m_local.GetMinimizeTaskBar()},
        {NeedsDvdRip(), &m_dvdInfo, &m_dvd, "DVD Input", &m_local.GetDvdRip()},
        {NeedsRecordingPath(), &m_recordingInfo, &m_recording, "Recording Directory", &m_local.GetRecordingPath()},
    };
    for (Page& page : pages) {
        if (!page.needed) continue;
        m_stack.AddPanel(page.info, page.panel, page.title);
        page.panel->SetObject(page.setting);
    }
    SetWindowText("Options");
}

bool CProgramOptionsDialog::Prompt()
{
    CProgramOptionsDialog dialog(nullptr);
    if (dialog.DoModal() != IDOK) return false;
    if (CGlobalSetting::sSettings) *CGlobalSetting::sSettings = dialog.m_global;
    if (CLocalSetting::sSettings) *CLocalSetting::sSettings = dialog.m_local;
    return true;
}
