#include "CWmAsfWriter.h"

#include "CErrorDialog.h"
#include "UShellUtils.h"
#include "UWebAddresses.h"
#include "WriterIds.h"

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
