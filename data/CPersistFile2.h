#pragma once
// A file, stored with '/' separators.
#include "TPathText.h"
#include "UPathText.h"

struct FilePathTraits {
    static CString Rule(const char* path) { return UPathText::FilePath(path); }
    static constexpr LONG kNotice = FourCharCode("psf3");
};

class CPersistFile2 : public TPathText<FilePathTraits> {
    MV_DECLARE_PERSIST_CLASS(CPersistFile2)
public:
    CString GetFileNameOnly() const;
    CString GetFileNameWithoutExtension() const;
    // The folder, without its last '/'.
    CString GetPathOnly() const;
    // Sets the path to the same file with the extension given ("" drops it).
    bool ReplaceExtension(const char* extension);
};
