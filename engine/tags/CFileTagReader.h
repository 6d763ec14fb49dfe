#pragma once
// A tag reader that reads the input's file itself.
#include "CTagReader.h"
#include "afx/CString.h"

class CFile;

class CFileTagReader : public CTagReader {
public:
    explicit CFileTagReader(const char* path, CDirectShowFilter* input = nullptr);

    // Opens the file for reading (others may not write it meanwhile); false when it cannot.
    bool Read(CMediaTags& tags) override;
    virtual bool ReadFile(CFile& file, CMediaTags& tags) = 0;
    const CString& GetPath() const { return m_path; }

private:
    CString m_path;
};
