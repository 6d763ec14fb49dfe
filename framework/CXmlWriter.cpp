#include "CXmlWriter.h"

#include "CHandle.h"
#include "CXmlDocument.h"
#include "UDirectoryUtils.h"
#include "UFileUtils.h"

CXmlWriter::~CXmlWriter()
{
    // An unfinished document was never meant to reach the file.
    CXmlNode* top = m_current;
    while (top && top->GetParent()) top = top->GetParent();
    delete top;
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
                    UFileUtils::WriteFile(m_filePath, buffer.GetBuffer(), buffer.GetSize());
    return m_lastWriteOk;
}
