#pragma once
// The file-open and file-save prompts with a list of filters; the last chosen filter is
// kept in the registry when one is given.
#include "afx/CString.h"
#include "win32/WinTypes.h"

#include <string>
#include <utility>
#include <vector>

class CRegistry;

class CFilePrompter {
public:
    explicit CFilePrompter(CRegistry* registry = nullptr);
    CFilePrompter(const CFilePrompter&) = default;
    CFilePrompter& operator=(const CFilePrompter&) = default;
    virtual ~CFilePrompter() = default;

    void SetDefault(const char* name) { m_defaultName = name ? name : ""; }
    // "wav" is stored as "*.wav"; a pattern beginning with '*' as it is.
    void AddFilter(const char* pattern, const char* description);
    bool PromptSaveAs();
    bool PromptOpen(bool multiple);

    int GetSelectedCount() const { return static_cast<int>(m_chosen.size()); }
    // The i-th chosen path, its extension into extension; empty texts out of range.
    CString GetFile(int i, CString& extension) const;
    void ResetFileList() { m_chosen.clear(); }

private:
    using Pair = std::pair<CString, CString>;
    // description NUL pattern NUL ..., ending in a second NUL.
    static std::string FilterString(const std::vector<Pair>& filters);
    DWORD StoredFilterIndex(DWORD defaultIndex, DWORD count) const;
    void Choose(const CString& path);

    CRegistry* m_registry;
    std::vector<Pair> m_filters;   // (pattern, description)
    std::vector<Pair> m_chosen;    // (path, extension)
    CString m_defaultName;
};
