#pragma once
// One web link of the links menu: a tag and, once in a menu, its command id.
#include "afx/CString.h"

class CLinkEntry {
public:
    explicit CLinkEntry(const char* tag) : m_tag(tag ? tag : "") {}

    const CString& GetTag() const { return m_tag; }
    int GetCommandId() const { return m_commandId; }
    void SetCommandId(int id) { m_commandId = id; }
    // True when the running product's short name contains the tag.
    bool IsCurrentProduct() const;

private:
    CString m_tag;
    int m_commandId = 0;
};
