#pragma once
// Opens a media file and decodes it without showing it: what the file holds, and
// whether it can be decoded at all.
#include "CDirectShowAdministrator2.h"

#include <string>
#include <vector>

class CFileCheckAdministrator2 : public CDirectShowAdministrator2 {
public:
    CFileCheckAdministrator2() = default;
    ~CFileCheckAdministrator2() override;

    bool CreateInputFilters() override;
    bool ConnectInput() override;
    bool CreateProcessingOutputFilters() override;
    void Reset() override;
    // A completion stops the graph where it ended.
    void ReachStop() override;
    bool Stop() override;

    void SetFilePath(const char* path) { m_filePath = path ? path : ""; }
    const CString& GetFilePath() const { return m_filePath; }
    // The file name without folder and extension.
    CString GetVideoName() const;
    void AddMultiFilePath(const char* path);
    void SetStart(long long start) { m_start = start; }
    void SetEnd(long long end) { m_end = end; }
    // The graph's duration in seconds; 0 without a graph.
    double GetDuration();

protected:
    CString m_filePath;
    std::vector<std::string> m_multiFilePaths;
    long long m_start = 0;
    long long m_end = 0;
    bool m_reachedEnd = false;
};
