#pragma once
// One element of the settings dialect of XML: a key, a text value and children kept
// sorted by key. Nodes own their children.
#include "CPointerList.h"
#include "afx/CString.h"

#include <vector>

class CHandle;

class CXmlNode {
public:
    CXmlNode();
    // Copies are deep: a copy owns children of its own.
    CXmlNode(const CXmlNode& other);
    CXmlNode& operator=(const CXmlNode& other);
    virtual ~CXmlNode();

    virtual void WriteSelf(CHandle& buffer, int level);
    // Parses one element starting after its '<'; returns the position after it.
    virtual const char* Parse(const char* text);

    static CString MakeXmlKey(const char* text);
    // Entities of the three characters that would break the markup; nothing else.
    static CString EscapeText(const char* text);
    static CString UnescapeText(const char* text);

    void Reset();
    void SetParent(CXmlNode* parent) { m_parent = parent; }
    CXmlNode* GetParent() const { return m_parent; }
    void SetKey(const char* key) { m_key = MakeXmlKey(key); }
    const CString& GetKey() const { return m_key; }
    void SetValue(const char* value) { m_value = value; }
    CString& GetValue() { return m_value; }
    const CString& GetValue() const { return m_value; }

    CString GetStartTag() const;
    CString GetEndTag() const;
    CString GetEmptyTag() const;

    void AddElement(CXmlNode* node);
    void RemoveElement(CXmlNode* node);
    CXmlNode* FindChild(const char* name, bool create);
    CXmlNode* AddValue(const char* name, const char* value);
    CXmlNode* AddNode(const char* name);
    int GetChildCount() const { return m_children.GetItemCount(); }
    CXmlNode* GetChild(int index) const { return static_cast<CXmlNode*>(m_children.GetAt(index)); }

    // The node of a deep copy of top that sits where node sits in top; null when node is not in it.
    static CXmlNode* FindInCopy(const CXmlNode* node, const CXmlNode* top, CXmlNode* copy);

    void Write(CHandle& buffer, int level);
    static void WriteText(CHandle& buffer, const char* text);
    static void WriteNewLine(CHandle& buffer);
    static void WriteIndent(CHandle& buffer, int level);

    // Deeper nesting is read as plain text, so a stream of stray '<' cannot exhaust the stack.
    static constexpr int kMaxDepth = 256;

protected:
    const char* ParseElement(const char* text, int depth);

private:
    const char* ParseInto(const char* text, int depth, std::vector<CXmlNode*>& parsed);
    void DeleteChildren();
    void CopyChildrenFrom(const CXmlNode& other);

    CXmlNode* m_parent = nullptr;
    CString m_key;
    CString m_value;
    CPointerList m_children;
};
