#include "CDvOutputFilters2.h"

#include "CFilterPin.h"
#include "CInputFilters2.h"
#include "CMuxFilter.h"
#include "CStandardFileWriter.h"
#include "ReleaseFilter.h"
#include "UFileUtils.h"
#include "WriterIds.h"
#include "afx/windows/CWinApp.h"
#include "win32/dialogs/MessageBox.h"

CDvOutputFilters2::CDvOutputFilters2(CDirectShowGraph* graph) : COutputFilters2(graph)
{
    m_outputType = kOutputProcessing;
}

CDvOutputFilters2::~CDvOutputFilters2()
{
    CDvOutputFilters2::Release();
}

bool CDvOutputFilters2::Connect(CInputFilters2* input)
{
    return PrepareOutput(input) && ConnectOutput(input);
}

bool CDvOutputFilters2::PrepareOutput(CInputFilters2*)
{
    if (!CanCreateFile()) return false;
    Release();
    if (m_fileType == 110) {
        m_mux = new CMuxFilter(m_graph, "AVI Mux");
        m_mux->SetId(CLSID_AviMux);
        m_mux->SetSystemComponent(true);
        m_writer = new CStandardFileWriter(m_graph, "File Writer");
    } else {
        m_writer = new CFileWriterFilter(m_graph, "File Writer");
    }
    m_writer->SetFilePath(m_filePath);
    return (!m_mux || m_mux->Create()) && m_writer->Create();
}

bool CDvOutputFilters2::CanCreateFile()
{
    if (!UFileUtils::FileExist(m_filePath)) return true;
    switch (m_option) {
    case kFileReplaceAsk: return PromptReplaceFile();
    case kFileReplaceReplace: return true;
    case kFileReplaceRename: return AutoRenameFilePath();
    default: return false;
    }
}

bool CDvOutputFilters2::PromptReplaceFile()
{
    CString question;
    question.Format("%s already exists. Would you like to replace the file?", m_filePath.GetString());
    return AfxMessageBox(question, MB_YESNO) == IDYES;
}

bool CDvOutputFilters2::AutoRenameFilePath()
{
    const CString folder = UFileUtils::GetPathOnly(m_filePath);
    const CString name = UFileUtils::GetFileNameWithoutExtension(m_filePath);
    const CString extension = UFileUtils::GetFileExtension(m_filePath);
    for (int n = 0; n <= 9998; ++n) {
        CString candidate;
        candidate.Format("%s/%s_%d.%s", folder.GetString(), name.GetString(), n, extension.GetString());
        if (!UFileUtils::FileExist(candidate)) {
            m_filePath = candidate;
            return true;
        }
    }
    m_filePath.Empty();
    return false;
}

bool CDvOutputFilters2::ConnectOutput(CInputFilters2* input)
{
    CFilterPin* pin = input ? input->GetStreamPin(0) : nullptr;
    if (!pin || !m_writer) return false;
    if (m_mux)
        return m_mux->GetVideoInPin(0)->Connect(pin, nullptr) &&
               m_writer->GetInputPin()->Connect(m_mux->GetOutputPin(), nullptr);
    return m_writer->GetInputPin()->Connect(pin, nullptr);
}

void CDvOutputFilters2::Disconnect()
{
    if (m_writer) m_writer->GetInputPin()->Disconnect();
    if (m_mux) m_mux->GetVideoInPin(0)->Disconnect();
}

void CDvOutputFilters2::Release()
{
    Disconnect();
    ReleaseFilter(m_writer);
    ReleaseFilter(m_mux);
}
