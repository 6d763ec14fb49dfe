#include "CXmlNode.h"

#include "CHandle.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

int CompareKeys(const char* a, const char* b)
{
    // Byte order as unsigned characters: upper case sorts before lower case.
    return std::strcmp(a, b);
}

int CompareNodes(const void* a, const void* b)
{
    return CompareKeys(static_cast<const CXmlNode*>(a)->GetKey(), static_cast<const CXmlNode*>(b)->GetKey());
}

int SearchNode(const void* item, const void* key, int)
{
    return CompareKeys(static_cast<const CXmlNode*>(item)->GetKey(), static_cast<const char*>(key));
}

}

CXmlNode::CXmlNode()
{
    m_children.SetCompareFunction(CompareNodes);
    m_children.SetSearchFunction(SearchNode);
}

CXmlNode::CXmlNode(const CXmlNode& other) : m_parent(other.m_parent), m_key(other.m_key), m_value(other.m_value)
{
    m_children.SetCompareFunction(CompareNodes);
    m_children.SetSearchFunction(SearchNode);
    CopyChildrenFrom(other);
}

CXmlNode& CXmlNode::operator=(const CXmlNode& other)
{
    if (this == &other) return *this;
    DeleteChildren();
    m_parent = other.m_parent;
    m_key = other.m_key;
    m_value = other.m_value;
    CopyChildrenFrom(other);
    return *this;
}

CXmlNode::~CXmlNode()
{
    DeleteChildren();
}

void CXmlNode::CopyChildrenFrom(const CXmlNode& other)
{
    for (int i = 0; i < other.GetChildCount(); ++i) {
        auto* copy = new CXmlNode(*other.GetChild(i));
        copy->SetParent(this);
        m_children.Add(copy, GetChildCount());
    }
}

void CXmlNode::DeleteChildren()
{
    for (int i = GetChildCount() - 1; i >= 0; --i)
        delete GetChild(i);
    m_children.RemoveAll();
}

CString CXmlNode::MakeXmlKey(const char* text)
{
    CString key(text);
    key.TrimRight(' ');
    key.Replace(' ', '_');
    return key;
}

CString CXmlNode::EscapeText(const char* text)
{
    if (!text || !std::strpbrk(text, "<>&")) return CString(text ? text : "");
    std::string out;
    for (const char* p = text; *p; ++p) {
        switch (*p) {
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '&': out += "&amp;"; break;
        default: out += *p; break;
        }
    }
    return CString(out.c_str(), static_cast<int>(out.size()));
}

CString CXmlNode::UnescapeText(const char* text)
{
    static const struct { const char* entity; size_t length; char ch; } kEntities[] = {
        {"&lt;", 4, '<'}, {"&gt;", 4, '>'}, {"&amp;", 5, '&'}};
    const char* p = text ? text : "";
    const char* amp = std::strchr(p, '&');
    // Most values hold no entity at all: one copy, no scan byte by byte.
    if (!amp) return CString(p);
    std::string out;
    out.reserve(std::strlen(p));
    while (amp) {
        out.append(p, static_cast<size_t>(amp - p));
        p = amp;
        char replacement = '&';
        size_t taken = 1;
        for (const auto& e : kEntities) {
            if (std::strncmp(p, e.entity, e.length) == 0) {
                replacement = e.ch;
                taken = e.length;
                break;
            }
        }
        out += replacement;
        p += taken;
        amp = std::strchr(p, '&');
    }
    out += p;
    return CString(out.c_str(), static_cast<int>(out.size()));
}

void CXmlNode::Reset()
{
    m_key.Empty();
    m_value.Empty();
    DeleteChildren();
}

CString CXmlNode::GetStartTag() const
{
    CString tag;
    tag.Format("<%s>", m_key.GetString());
    return tag;
}

CString CXmlNode::GetEndTag() const
{
    CString tag;
    tag.Format("</%s>", m_key.GetString());
    return tag;
}

CString CXmlNode::GetEmptyTag() const
{
    CString tag;
    tag.Format("<%s />", m_key.GetString());
    return tag;
}

void CXmlNode::AddElement(CXmlNode* node)
{
    if (!node) return;
    node->SetParent(this);
    // After every child with an equal key, so same-named siblings keep their order.
    int lo = 0;
    int hi = GetChildCount();
    while (lo < hi) {
        int mid = lo + (hi - lo) / 2;
        if (CompareKeys(GetChild(mid)->GetKey(), node->GetKey()) <= 0)
            lo = mid + 1;
        else
            hi = mid;
    }
    m_children.Add(node, lo);
}

void CXmlNode::RemoveElement(CXmlNode* node)
{
    if (!node) return;
    for (int i = 0; i < GetChildCount(); ++i) {
        if (GetChild(i) == node) {
            m_children.RemoveAt(i);
            node->SetParent(nullptr);
            return;
        }
    }
}

CXmlNode* CXmlNode::FindChild(const char* name, bool create)
{
    CString key = MakeXmlKey(name);
    auto* found = static_cast<CXmlNode*>(m_children.Find(key.GetString(), 0));
    if (found || !create) return found;
    return AddNode(key);
}

CXmlNode* CXmlNode::AddValue(const char* name, const char* value)
{
    auto* node = new CXmlNode;
    node->SetKey(name);
    node->SetValue(value);
    AddElement(node);
    return node;
}

CXmlNode* CXmlNode::AddNode(const char* name)
{
    return AddValue(name, "");
}

CXmlNode* CXmlNode::FindInCopy(const CXmlNode* node, const CXmlNode* top, CXmlNode* copy)
{
    std::vector<int> path;
    for (; node && node != top; node = node->GetParent()) {
        const CXmlNode* parent = node->GetParent();
        int index = 0;
        while (parent && index < parent->GetChildCount() && parent->GetChild(index) != node) ++index;
        if (!parent || index == parent->GetChildCount()) return nullptr;
        path.push_back(index);
    }
    if (!node || !copy) return nullptr;
    for (auto it = path.rbegin(); it != path.rend() && copy; ++it)
        copy = *it < copy->GetChildCount() ? copy->GetChild(*it) : nullptr;
    return copy;
}

void CXmlNode::Write(CHandle& buffer, int level)
{
    if (!m_key.IsEmpty()) WriteSelf(buffer, level);
}

void CXmlNode::WriteSelf(CHandle& buffer, int level)
{
    WriteIndent(buffer, level);
    if (!m_value.IsEmpty()) {
        WriteText(buffer, GetStartTag());
        WriteText(buffer, EscapeText(m_value));
        WriteText(buffer, GetEndTag());
        WriteNewLine(buffer);
    } else if (GetChildCount() > 0) {
        WriteText(buffer, GetStartTag());
        WriteNewLine(buffer);
        for (int i = 0; i < GetChildCount(); ++i)
            GetChild(i)->Write(buffer, level + 1);
        WriteIndent(buffer, level);
        WriteText(buffer, GetEndTag());
        WriteNewLine(buffer);
    } else {
        WriteText(buffer, GetEmptyTag());
        WriteNewLine(buffer);
    }
}

void CXmlNode::WriteText(CHandle& buffer, const char* text)
{
    if (text && *text) buffer.Append(reinterpret_cast<const unsigned char*>(text), static_cast<uint32_t>(std::strlen(text)));
}

void CXmlNode::WriteNewLine(CHandle& buffer)
{
    WriteText(buffer, "\r\n");
}

void CXmlNode::WriteIndent(CHandle&, int)
{
    // The format has no indentation.
}

const char* CXmlNode::Parse(const char* text)
{
    return ParseElement(text, 0);
}

const char* CXmlNode::ParseElement(const char* text, int depth)
{
    Reset();
    // Children are sorted once at the end: inserting each in place costs quadratic time
    // on a file whose elements come in reverse order.
    std::vector<CXmlNode*> parsed;
    const char* end = ParseInto(text, depth, parsed);
    std::stable_sort(parsed.begin(), parsed.end(),
                     [](const CXmlNode* a, const CXmlNode* b) { return CompareKeys(a->GetKey(), b->GetKey()) < 0; });
    for (CXmlNode* child : parsed) {
        child->SetParent(this);
        m_children.Add(child, GetChildCount());
    }
    return end;
}

const char* CXmlNode::ParseInto(const char* text, int depth, std::vector<CXmlNode*>& parsed)
{
    const char* start = text;
    const char* slash = nullptr;
    const char* valueStart = nullptr;
    bool keySet = false;
    CString endTag;
    const char* p = text;
    while (*p) {
        char c = *p;
        if (c == '/') {
            slash = p;
            ++p;
        } else if (c == '>' && !keySet) {
            if (slash && slash + 1 == p) {
                SetKey(CString(start, static_cast<int>(slash - start)));
                return p + 1;
            }
            SetKey(CString(start, static_cast<int>(p - start)));
            keySet = true;
            endTag = GetEndTag();
            valueStart = p + 1;
            ++p;
        } else if (c == '<') {
            if (!keySet) endTag = GetEndTag();
            if (std::strncmp(p, endTag, static_cast<size_t>(endTag.GetLength())) == 0) {
                if (valueStart) m_value = UnescapeText(CString(valueStart, static_cast<int>(p - valueStart)));
                return p + endTag.GetLength();
            }
            if (depth + 1 >= kMaxDepth) {
                ++p;
                continue;
            }
            auto* child = new CXmlNode;
            p = child->ParseElement(p + 1, depth + 1);
            parsed.push_back(child);
        } else {
            ++p;
        }
    }
    return p;
}
