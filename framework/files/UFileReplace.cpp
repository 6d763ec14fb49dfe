#include "UFileReplace.h"
#include "CRepeatPrompter.h"
#include "UFileUtils.h"

CString UFileReplace::GetFilePath(CRepeatPrompter* prompter, const char* path, int how)
{
    if (!path) return CString();
    if (!UFileUtils::FileExist(path)) return CString(path);
    switch (how) {
    case kFileReplaceAsk: return PromptReplaceFile(prompter, path);
    case kFileReplaceReplace: return CString(path);
    case kFileReplaceRename: return AutoRenameFilePath(path);
    default: return CString();
    }
}

CString UFileReplace::AutoRenameFilePath(const char* path)
{
    if (!path) return CString();
    CString text = path;
    int slash = text.ReverseFind('/');
    // A bare name stays in the working folder instead of moving to the root.
    CString folder = slash >= 0 ? text.Left(slash + 1) : CString();
    CString name = UFileUtils::GetFileNameWithoutExtension(path);
    CString extension = UFileUtils::GetFileExtension(path);
    for (int n = 2; n <= 9998; ++n) {
        CString candidate;
        candidate.Format("%s%s_%d.%s", folder.GetString(), name.GetString(), n, extension.GetString());
        if (!UFileUtils::FileExist(candidate)) return candidate;
    }
    return CString();
}

CString UFileReplace::PromptReplaceFile(CRepeatPrompter* prompter, const char* path)
{
    if (!path) return CString();
    CString question;
    question.Format("%s already exists. Would you like to replace the file?", path);
    if (prompter) {
        if (!prompter->Prompt(question, true)) return CString();
        UFileUtils::DeleteFileA(path);
        return CString(path);
    }
    CRepeatPrompter once;
    return once.Prompt(question, false) ? CString(path) : CString();
}
