#pragma once
// Parses an XML settings file or text into a node tree and walks it by name.
#include "afx/CString.h"

class CXmlNode;

class CXmlReader {
public:
    // Larger files are not settings files; refusing them keeps memory bounded.
    static constexpr long kMaxFileSize = 64L * 1024 * 1024;

    CXmlReader() = default;
    CXmlReader(const CXmlReader& other);
    CXmlReader& operator=(const CXmlReader& other);
    virtual ~CXmlReader();

    void SetFilePath(const char* path);
    const CString& GetFilePath() const { return m_filePath; }
    bool Parse(const char* text);
    void SetTopNode(CXmlNode* node, bool owns);
    CXmlNode* GetTopNode() const { return m_top; }
    CXmlNode* GetCurrentNode() const { return m_current; }

    // Entering an element the tree lacks creates nothing: the reader stands in it, reads
    // nothing there, and leaving it returns to where it was.
    void EnterNode(const char* name);
    void LeaveNode();
    bool InMissingNode() const { return m_missingDepth > 0; }
    CString ReadValue(const char* name) const;
    bool HasData() const { return m_top != nullptr; }

private:
    void ReleaseTop();
    void CopyFrom(const CXmlReader& other);

    CString m_filePath;
    CXmlNode* m_top = nullptr;
    bool m_ownsTop = false;
    CXmlNode* m_current = nullptr;
    int m_missingDepth = 0; // levels entered below m_current that the tree lacks
};
