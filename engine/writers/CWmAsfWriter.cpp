#include "CWmAsfWriter.h"

#include "CErrorDialog.h"
#include "CFilterPin.h"
#include "UShellUtils.h"
#include "UWebAddresses.h"
#include "WriterIds.h"
#include "dshow/interfaces/ConfigAsfWriter.h"

CWmAsfWriter::CWmAsfWriter(CDirectShowGraph* graph, const char* name) : CFileWriterFilter(graph, name)
{
    SetId(CLSID_WmAsfWriter);
    SetOwnComponent(false);
    AddStreamPins();
}

void CWmAsfWriter::PromptCreateError()
{
    CString text = "Failed to create ";
    text += GetName();
    text += " component.\n";
    text += "This is usually caused by absent or outdated Windows Media Format installation.";
    text += "Would you like to install the Windows Media Format 9 runtime?";
    if (CErrorDialog::Prompt(text, "Install WMF9")) UShellUtils::Open(UWebAddresses::GetWmfDownloadAddress());
}

bool CWmAsfWriter::ApplyProfile(IWMProfile* profile)
{
    IConfigAsfWriter* config = nullptr;
    if (!profile || !GetFilter() || FAILED(QueryInterfaceTo(GetFilter(), &config)) || !config) return false;
    // The filter makes new pins for the profile: what was found of the old ones goes first.
    if (m_videoPin) m_videoPin->Release();
    if (m_audioPin) m_audioPin->Release();
    const bool applied = SUCCEEDED(config->ConfigureFilterUsingProfile(profile)) && SUCCEEDED(config->SetIndexMode(TRUE));
    config->Release();
    return applied;
}
