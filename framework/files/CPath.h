#pragma once
// A file or folder path. Folder texts end in '/'.
#include "afx/CString.h"

class CPath {
public:
    CPath() = default;
    explicit CPath(const char* path) : m_path(path ? path : "") {}
    CPath(const CPath&) = default;
    CPath& operator=(const CPath&) = default;
    virtual bool IsDir() const { return false; }
    virtual ~CPath() = default;

    void SetFilePath(const char* path) { m_path = path ? path : ""; }
    const CString& GetFilePath() const { return m_path; }

    // True when the path names a folder (the attribute bit only).
    static bool IsDir(const char* path);
    // A copy of the same kind; a folder's children are copied too.
    static CPath* Duplicate(const CPath& path);

private:
    CString m_path;
};
