#include "CFileCheckAdministrator2.h"

#include "CDecodingTestOutputFilters2.h"
#include "CDirectShowGraph.h"
#include "CFileInputFilters2.h"
#include "UFileUtils.h"

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

bool CFileCheckAdministrator2::CreateProcessingOutputFilters()
{
    if (!m_processingOutput) SetProcessingOutputFilters(new CDecodingTestOutputFilters2(m_graph));
    return true;
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

double CFileCheckAdministrator2::GetDuration()
{
    double seconds = 0;
    if (m_graph && m_graph->GetDuration(seconds)) return seconds;
    return 0;
}
