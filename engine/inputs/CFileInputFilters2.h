#pragma once
// Opens a media file (one path or several played as one) in a graph, limited to a start
// and end time, and reads the file's tags.
#include "CSplitterInputFilters2.h"

#include <string>
#include <vector>

class CFileInputSourceFilter;

class CFileInputFilters2 : public CSplitterInputFilters2 {
public:
    explicit CFileInputFilters2(CDirectShowGraph* graph = nullptr);
    ~CFileInputFilters2() override;

    void SetFilePath(const char* path) override { m_filePath = path ? path : ""; }
    bool CreateAndConnect() override;
    bool GetTags(CMediaTags& tags) override;
    bool CreateInput() override;
    bool DynamicConnectInput() override;
    bool DynamicConnectFileSource(CFilterData* source) override;

    virtual bool DynamicConnectInputPreferedPath();
    virtual bool DynamicConnectInputAllPath();
    virtual void ReconnectSeeker();

    const CString& GetFilePath() const { return m_filePath; }
    void SetQuickTimeBlock(bool block) { m_quickTimeBlock = block; }
    bool GetQuickTimeBlock() const { return m_quickTimeBlock; }
    void AddMultiFilePath(const char* path);
    int GetMultiFilePathCount() const { return int(m_multiFilePaths.size()); }
    void SetStart(long long start) { m_start = start; }
    void SetEnd(long long end) { m_end = end; }
    long long GetStart() const { return m_start; }
    long long GetEnd() const { return m_end; }
    // Empties the multi-file list and clears start and end.
    void Reset();

    static const char* const kCreateFileInputError;

protected:
    CString m_filePath;
    std::vector<std::string> m_multiFilePaths;
    long long m_start = 0;
    long long m_end = 0;
    bool m_quickTimeBlock = true;
};
