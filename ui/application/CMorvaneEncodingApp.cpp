#include "CMorvaneEncodingApp.h"

#include "CAudioDecoderInfo.h"
#include "CBroadcaster.h"
#include "CDecoderInfoDialog.h"
#include "CDirectShowSystem2.h"
#include "CFileParserDialog.h"
#include "CProgramOptionsDialog.h"
#include "CTargetDecisions.h"
#include "CVideoDecoderInfo.h"
#include "StApplicationId.h"
#include "StWaitCursor.h"
#include "UPersistStorage.h"
#include "afx/windows/CCmdUI.h"
#include "afx/windows/MessageMap.h"

#include <type_traits>

namespace {

constexpr unsigned long kPresetEditor = 10001;

// Listens to the engine object once it announces the encoder reloads; until then there is
// nothing to hear.
template <class System>
void Follow(System* system, CListener* listener, bool follow)
{
    if constexpr (std::is_base_of_v<CBroadcaster, System>) {
        if (!system) return;
        if (follow)
            system->AddListener(listener);
        else
            system->RemoveListener(listener);
    }
}

// The built-in presets of every device family; presets that exist stay as they are.
void EnsureTargets(CTargetDecisions& presets)
{
    presets.AddiPodTarget();
    presets.AddPSPTarget();
    presets.AddPMCTarget();
    presets.AddZenVisionTarget();
    presets.AddZuneTarget();
    presets.AddArchosTarget();
    presets.Add3GPTarget();
    presets.AddFlashTarget();
}

int LoopCodecsOf(long application, long prompt)
{
    reinterpret_cast<CMorvaneEncodingApp*>(application)->LoopCodecs(prompt != 0);
    return 0;
}

} // namespace

BEGIN_MESSAGE_MAP(CMorvaneEncodingApp, CMorvaneDirectShowApp2)
    ON_COMMAND(kLoadSkippedCodecsCommand, OnFileUpdate)
    ON_UPDATE_COMMAND_UI(kLoadSkippedCodecsCommand, OnUpdateFileUpdate)
END_MESSAGE_MAP()

CMorvaneEncodingApp::CMorvaneEncodingApp() = default;

CMorvaneEncodingApp::~CMorvaneEncodingApp()
{
    Follow(m_system, this, false);
    delete m_presets;
}

BOOL CMorvaneEncodingApp::InitInstance()
{
    if (!CMorvaneDirectShowApp2::InitInstance()) return FALSE;
    if (m_managesPresets) {
        m_presets = new CTargetDecisions;
        UPersistStorage::SystemLoad(*m_presets, "Targets", "Targets.xml");
        m_presets->EnsurePlatforms();
        EnsureTargets(*m_presets);
    }
    Follow(m_system, this, true);
    LoopCodecsLater(true);
    return TRUE;
}

int CMorvaneEncodingApp::ExitInstance()
{
    if (m_presets) {
        // Only the preset editor writes the shared presets back.
        if (StApplicationId::Id() == kPresetEditor) UPersistStorage::SystemSave(*m_presets, "Targets", "Targets.xml");
        delete m_presets;
        m_presets = nullptr;
    }
    Follow(m_system, this, false);
    return CMorvaneDirectShowApp2::ExitInstance();
}

void CMorvaneEncodingApp::LoopCodecsLater(bool prompt)
{
    m_codecCheck.SetFunction(LoopCodecsOf, reinterpret_cast<long>(this), prompt ? 1 : 0);
    m_codecCheck.Activate(10);
}

bool CMorvaneEncodingApp::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kEncoderReloadedMessage) {
        LoopCodecsLater(false);
        return true;
    }
    return CMorvaneDirectShowApp2::ListenToMessage(message, p, q);
}

void CMorvaneEncodingApp::Options()
{
    CProgramOptionsDialog::Prompt();
}

void CMorvaneEncodingApp::ManageVideoDecoders()
{
    StWaitCursor wait;
    CDecoderInfoDialog dialog(nullptr);
    dialog.SetDecoders(CVideoDecoderInfo::GetInfo(), false);
    dialog.DoModal();
}

void CMorvaneEncodingApp::ManageAudioDecoders()
{
    StWaitCursor wait;
    CDecoderInfoDialog dialog(nullptr);
    dialog.SetDecoders(CAudioDecoderInfo::GetInfo(), true);
    dialog.DoModal();
}

void CMorvaneEncodingApp::ManageFileParsers()
{
    StWaitCursor wait;
    CFileParserDialog dialog(nullptr);
    dialog.DoModal();
}

void CMorvaneEncodingApp::OnFileUpdate()
{
    LoadSkippedCodecs();
}

void CMorvaneEncodingApp::OnUpdateFileUpdate(CCmdUI* ui)
{
    ui->Enable(HasSkippedCodecs());
}
