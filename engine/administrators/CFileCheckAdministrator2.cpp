#include "CFileCheckAdministrator2.h"

#include "CDecodingTestOutputFilters2.h"
#include "CDirectShowGraph.h"
#include "CFileInputFilters2.h"
#include "CSourceFilter.h"
#include "CSplitterFilter.h"
#include "UFileUtils.h"

#include <utility>

CFileCheckAdministrator2::~CFileCheckAdministrator2()
{
    Release();
    CFileCheckAdministrator2::Reset();
}

bool CFileCheckAdministrator2::CreateInputFilters()
{
    auto* input = new CFileInputFilters2(m_graph);
    input->SetFilePath(m_filePath);
    for (const std::string& path : m_multiFilePaths) input->AddMultiFilePath(path.c_str());
    input->SetStart(m_start);
    input->SetEnd(m_end);
    SetInputFilters(input);
    return true;
}

// The file's own position and duration: seeking is taken at the source's stream, as a
// graph of decoders into untimed renderers may answer for none of them.
bool CFileCheckAdministrator2::ConnectInput()
{
    if (!CDirectShowAdministrator2::ConnectInput()) return false;
    if (auto* input = dynamic_cast<CFileInputFilters2*>(m_input)) input->ReconnectSeeker();
    return true;
}

bool CFileCheckAdministrator2::CreateProcessingOutputFilters()
{
    if (!m_processingOutput) SetProcessingOutputFilters(new CDecodingTestOutputFilters2(m_graph));
    return true;
}

void CFileCheckAdministrator2::ReachStop()
{
    m_reachedEnd = true;
}

// The seeker is the file's own stream, which goes back to its start when stopped: after a
// completion it is put back where the file ended.
bool CFileCheckAdministrator2::Stop()
{
    double end = 0;
    const bool reached = std::exchange(m_reachedEnd, false) && m_graph && m_graph->GetDuration(end);
    const bool stopped = CDirectShowAdministrator2::Stop();
    if (reached) m_graph->SetPosition(end);
    return stopped;
}

void CFileCheckAdministrator2::Reset()
{
    m_filePath.Empty();
    m_multiFilePaths.clear();
    m_start = 0;
    m_end = 0;
}

CString CFileCheckAdministrator2::GetVideoName() const
{
    return UFileUtils::GetFileNameWithoutExtension(m_filePath);
}

void CFileCheckAdministrator2::AddMultiFilePath(const char* path)
{
    if (path) m_multiFilePaths.emplace_back(path);
}

// The graph's answer, else the first filter of the input that knows the file's length.
double CFileCheckAdministrator2::GetDuration()
{
    double seconds = 0;
    if (m_graph && m_graph->GetDuration(seconds) && seconds > 0) return seconds;
    auto* input = dynamic_cast<CSplitterInputFilters2*>(m_input);
    if (!m_graph || !input) return 0;
    for (int i = CSplitterInputFilters2::kSplitterCount - 1; i >= 0; --i)
        if (input->GetSplitter(i) && input->GetSplitter(i)->GetDuration(seconds) && seconds > 0) return seconds;
    if (input->GetFileSource() && input->GetFileSource()->GetDuration(seconds)) return seconds;
    return 0;
}
