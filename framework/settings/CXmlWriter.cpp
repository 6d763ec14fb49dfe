#include "CXmlWriter.h"

#include "CHandle.h"
#include "CXmlDocument.h"
#include "UDirectoryUtils.h"
#include "UFileUtils.h"

CXmlWriter::CXmlWriter(const CXmlWriter& other)
{
    CopyFrom(other);
}

CXmlWriter& CXmlWriter::operator=(const CXmlWriter& other)
{
    if (this != &other) {
        delete GetTop();
        m_current = nullptr;
        CopyFrom(other);
    }
    return *this;
}

CXmlWriter::~CXmlWriter()
{
    // An unfinished document was never meant to reach the file.
    delete GetTop();
}

CXmlNode* CXmlWriter::GetTop() const
{
    CXmlNode* top = m_current;
    while (top && top->GetParent()) top = top->GetParent();
    return top;
}

void CXmlWriter::CopyFrom(const CXmlWriter& other)
{
    m_filePath = other.m_filePath;
    m_lastWriteOk = other.m_lastWriteOk;
    m_ownerOnly = other.m_ownerOnly;
    auto* top = static_cast<CXmlDocument*>(other.GetTop());
    if (!top) return;
    auto* copy = new CXmlDocument(*top);
    m_current = CXmlNode::FindInCopy(other.m_current, top, copy);
}

void CXmlWriter::EnterNode(const char* name)
{
    if (!m_current) {
        auto* document = new CXmlDocument;
        document->SetKey(name);
        m_current = document;
    } else {
        m_current = m_current->AddNode(name);
    }
}

void CXmlWriter::WriteValue(const char* name, const char* value)
{
    if (m_current) m_current->AddValue(name, value);
}

bool CXmlWriter::LeaveNode()
{
    if (!m_current) return true;
    if (m_current->GetParent()) {
        m_current = m_current->GetParent();
        return true;
    }
    CHandle buffer;
    m_current->Write(buffer, 0);
    delete m_current;
    m_current = nullptr;
    // The file is replaced in one step, so a failed save leaves the old settings.
    m_lastWriteOk = UDirectoryUtils::EstablishPath(m_filePath) &&
                    UFileUtils::WriteFile(m_filePath, buffer.GetBuffer(), buffer.GetSize(), m_ownerOnly);
    return m_lastWriteOk;
}
