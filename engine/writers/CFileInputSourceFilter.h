#pragma once
// The source of an input file: created by class id and loaded with the path, chosen by
// the graph when it has no class id, or the multi-file source playing several files.
#include "CSourceFilter.h"

#include <vector>

class CFileInputSourceFilter : public CSourceFilter {
public:
    explicit CFileInputSourceFilter(CDirectShowGraph* graph = nullptr, const char* name = "File Source");

    bool Create() override;

    void SetPath(const char* path) { m_path = path ? path : ""; }
    const char* GetPath() const { return m_path; }
    void AddMultiFilePath(const char* path) { m_multiFilePaths.emplace_back(path ? path : ""); }
    void ClearMultiFilePaths() { m_multiFilePaths.clear(); }
    int GetMultiFilePathCount() const { return static_cast<int>(m_multiFilePaths.size()); }
    // Seconds; an end of 0 plays to the end.
    void SetStartTime(double seconds) { m_start = seconds; }
    void SetEndTime(double seconds) { m_end = seconds; }

private:
    bool LoadPath();
    bool AddBySourceChoice();
    bool CreateMultiFile();

    CString m_path;
    std::vector<CString> m_multiFilePaths;
    double m_start = 0;
    double m_end = 0;
};
