#pragma once
// What to write to when a target file already exists.
#include "EFileReplace.h"
#include "afx/CString.h"

class CRepeatPrompter;


class UFileReplace {
public:
    // The path to write to; empty text means: do not write.
    static CString GetFilePath(CRepeatPrompter* prompter, const char* path, int how);
    // name_2.ext, name_3.ext, ... in the same folder: the first that does not exist, or empty.
    static CString AutoRenameFilePath(const char* path);
    // Asks whether to replace path. With a caller's prompter a Yes deletes the file at once.
    static CString PromptReplaceFile(CRepeatPrompter* prompter, const char* path);
};
