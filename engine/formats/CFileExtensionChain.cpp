#include "CFileExtensionChain.h"

MV_IMPLEMENT_PERSIST_CLASS(CFileExtensionChain, CPersistObject, CFileExtensionChain::kType)

CFileExtensionChain& CFileExtensionChain::operator=(const CFileExtensionChain& other)
{
    if (this == &other) return *this;
    CPersistObject::operator=(other);
    m_extension = other.m_extension;
    m_sourceName = other.m_sourceName;
    m_sourceId = other.m_sourceId;
    m_splitterName = other.m_splitterName;
    m_splitterId = other.m_splitterId;
    m_splitter2Name = other.m_splitter2Name;
    m_splitter2Id = other.m_splitter2Id;
    return *this;
}

const char* CFileExtensionChain::ValidateSelf()
{
    const bool hasSource = m_sourceId != GUID_NULL;
    const bool hasSplitter = m_splitterId != GUID_NULL;
    const bool hasSplitter2 = m_splitter2Id != GUID_NULL;
    if (hasSource && m_sourceName.IsEmpty()) return "Please enter a name for the reader.";
    if (!hasSplitter && !hasSource) return "Please specify either the reader or the splitter.";
    if (!hasSplitter && hasSplitter2) return "Please specify the splitter.";
    if (hasSplitter && m_splitterName.IsEmpty()) return "Please enter a name for the splitter.";
    if (hasSplitter2 && m_splitter2Name.IsEmpty()) return "Please enter a name for the additional splitter.";
    return CPersistObject::ValidateSelf();
}

CString CFileExtensionChain::ValidateExtension(const char* extension)
{
    CString text(extension ? extension : "");
    text.MakeLower();
    return text;
}

bool CFileExtensionChain::SetExtension(const char* extension)
{
    return ChangeProperty(m_extension, ValidateExtension(extension), kExtensionChangedNotice);
}

bool CFileExtensionChain::SetFileSourceName(const char* name)
{
    return ChangeProperty(m_sourceName, CString(name ? name : ""), kFileSourceNameChangedNotice);
}

bool CFileExtensionChain::SetFileSourceId(const GUID& id)
{
    return ChangeProperty(m_sourceId, id, kFileSourceIdChangedNotice);
}

bool CFileExtensionChain::SetSplitter1Name(const char* name)
{
    return ChangeProperty(m_splitterName, CString(name ? name : ""), kSplitter1NameChangedNotice);
}

bool CFileExtensionChain::SetSplitter1Id(const GUID& id)
{
    return ChangeProperty(m_splitterId, id, kSplitter1IdChangedNotice);
}

bool CFileExtensionChain::SetSplitter2Name(const char* name)
{
    return ChangeProperty(m_splitter2Name, CString(name ? name : ""), kSplitter2NameChangedNotice);
}

bool CFileExtensionChain::SetSplitter2Id(const GUID& id)
{
    return ChangeProperty(m_splitter2Id, id, kSplitter2IdChangedNotice);
}
