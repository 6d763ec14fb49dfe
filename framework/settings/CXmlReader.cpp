#include "CXmlReader.h"

#include "CXmlDocument.h"

#include <fstream>
#include <string>

CXmlReader::CXmlReader(const CXmlReader& other)
{
    CopyFrom(other);
}

CXmlReader& CXmlReader::operator=(const CXmlReader& other)
{
    if (this == &other) return *this;
    ReleaseTop();
    CopyFrom(other);
    return *this;
}

void CXmlReader::CopyFrom(const CXmlReader& other)
{
    // A copy owns a tree of its own, so neither reader frees the other's nodes; it
    // stands on the same element.
    m_filePath = other.m_filePath;
    if (!other.m_top) return;
    SetTopNode(new CXmlNode(*other.m_top), true);
    m_top->SetParent(nullptr);
    m_current = CXmlNode::FindInCopy(other.m_current, other.m_top, m_top);
    m_missingDepth = other.m_missingDepth;
}

CXmlReader::~CXmlReader()
{
    ReleaseTop();
}

void CXmlReader::ReleaseTop()
{
    if (m_ownsTop) delete m_top;
    m_top = nullptr;
    m_ownsTop = false;
    m_current = nullptr;
    m_missingDepth = 0;
}

void CXmlReader::SetFilePath(const char* path)
{
    m_filePath = path;
    std::ifstream in(m_filePath.GetString(), std::ios::binary);
    if (!in) return;
    in.seekg(0, std::ios::end);
    std::streamoff size = in.tellg();
    if (size <= 0 || size > kMaxFileSize) return;
    in.seekg(0, std::ios::beg);
    std::string bytes(static_cast<size_t>(size), '\0');
    if (!in.read(bytes.data(), size)) return;
    Parse(bytes.c_str());
}

bool CXmlReader::Parse(const char* text)
{
    auto* document = new CXmlDocument;
    if (!document->Parse(text)) {
        delete document;
        return false;
    }
    SetTopNode(document, true);
    return true;
}

void CXmlReader::SetTopNode(CXmlNode* node, bool owns)
{
    ReleaseTop();
    m_top = node;
    m_ownsTop = owns;
}

void CXmlReader::EnterNode(const char* name)
{
    if (m_missingDepth > 0) {
        ++m_missingDepth;
    } else if (!m_current) {
        m_current = m_top;
    } else if (CXmlNode* child = m_current->FindChild(name, false)) {
        m_current = child;
    } else {
        m_missingDepth = 1;
    }
}

void CXmlReader::LeaveNode()
{
    if (m_missingDepth > 0)
        --m_missingDepth;
    else if (m_current)
        m_current = m_current->GetParent();
}

CString CXmlReader::ReadValue(const char* name) const
{
    if (!m_current || m_missingDepth > 0) return CString();
    CXmlNode* child = m_current->FindChild(name, false);
    return child ? child->GetValue() : CString();
}
