#pragma once
// A folder, stored with '/' separators and one trailing '/'.
#include "TPathText.h"
#include "UPathText.h"

struct FolderPathTraits {
    static CString Rule(const char* path) { return UPathText::FolderPath(path); }
    static constexpr LONG kNotice = FourCharCode("pspb");
};

class CPersistPath : public TPathText<FolderPathTraits> {
    MV_DECLARE_PERSIST_CLASS(CPersistPath)
};
