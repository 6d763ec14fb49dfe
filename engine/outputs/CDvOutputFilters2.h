#pragma once
// The output set that writes a DV stream to a file: through the AVI multiplexer for type
// 110, straight into the maker's file writer otherwise.
#include "COutputFilters2.h"
#include "EFileReplace.h"
#include "win32/WinTypes.h"

class CFileWriterFilter;
class CMuxFilter;

class CDvOutputFilters2 : public COutputFilters2 {
public:
    explicit CDvOutputFilters2(CDirectShowGraph* graph = nullptr);
    ~CDvOutputFilters2() override;

    bool Connect(CInputFilters2* input) override;
    void Disconnect() override;
    void Release() override;
    virtual bool PrepareOutput(CInputFilters2* input);
    virtual bool CanCreateFile();
    virtual bool PromptReplaceFile();
    virtual bool AutoRenameFilePath();
    virtual bool ConnectOutput(CInputFilters2* input);

    void SetFileType(LONG type) { m_fileType = type; }
    void SetFilePath(const char* path) { m_filePath = path ? path : ""; }
    const char* GetFilePath() const { return m_filePath; }
    void SetFileOption(EFileReplace option) { m_option = option; }

private:
    CMuxFilter* m_mux = nullptr;
    CFileWriterFilter* m_writer = nullptr;
    LONG m_fileType = 100;
    CString m_filePath;
    EFileReplace m_option = kFileReplaceAsk;
};
