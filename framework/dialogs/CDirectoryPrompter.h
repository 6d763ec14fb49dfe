#pragma once
// The folder-browse prompt, optionally offering to make a new folder.
#include "afx/CString.h"

class CDirectoryPrompter {
public:
    CDirectoryPrompter() = default;
    CDirectoryPrompter(const CDirectoryPrompter&) = default;
    CDirectoryPrompter& operator=(const CDirectoryPrompter&) = default;
    virtual ~CDirectoryPrompter() = default;

    void SetTitle(const char* title) { m_title = title ? title : ""; }
    void SetDefaultPath(const char* path) { m_defaultPath = path ? path : ""; }
    const CString& GetDefaultPath() const { return m_defaultPath; }
    void EnableCreate(bool enable) { m_create = enable; }

    // True when the user chose a folder; GetPath() gives it then.
    bool Prompt();
    bool PromptSaveAs();
    bool PromptOpen();
    const CString& GetPath() const { return m_path; }

private:
    CString m_title;
    CString m_defaultPath;
    bool m_create = false;
    CString m_path;
};
