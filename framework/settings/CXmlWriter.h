#pragma once
// Builds a node tree while objects save themselves and writes the file, in one
// piece, when the outermost element is left.
#include "afx/CString.h"

class CXmlNode;

class CXmlWriter {
public:
    CXmlWriter() = default;
    explicit CXmlWriter(const char* path) : m_filePath(path) {}
    // A copy holds a document of its own, at the same place.
    CXmlWriter(const CXmlWriter& other);
    CXmlWriter& operator=(const CXmlWriter& other);
    virtual ~CXmlWriter();

    void SetFilePath(const char* path) { m_filePath = path; }
    const CString& GetFilePath() const { return m_filePath; }

    void EnterNode(const char* name);
    void WriteValue(const char* name, const char* value);
    // False only when leaving the outermost element failed to write the file.
    bool LeaveNode();
    // Whether the last completed document reached its file.
    bool LastWriteSucceeded() const { return m_lastWriteOk; }
    // The file is written readable by its owner only (it holds a credential).
    void SetOwnerOnly(bool ownerOnly) { m_ownerOnly = ownerOnly; }

private:
    CXmlNode* GetTop() const;
    void CopyFrom(const CXmlWriter& other);

    CString m_filePath;
    CXmlNode* m_current = nullptr;
    bool m_lastWriteOk = true;
    bool m_ownerOnly = false;
};
