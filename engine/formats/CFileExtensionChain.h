#pragma once
// The editing record of a user's own input chain: extension, reader, splitter and an
// additional splitter. Not stored.
#include "CPersistObject.h"
#include "afx/CString.h"

class CFileExtensionChain : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CFileExtensionChain)
public:
    CFileExtensionChain() = default;
    CFileExtensionChain(const CFileExtensionChain& other) = default;
    CFileExtensionChain& operator=(const CFileExtensionChain& other);
    ~CFileExtensionChain() override = default;

    const char* ValidateSelf() override;

    // Lower-cases the text.
    virtual CString ValidateExtension(const char* extension);
    bool SetExtension(const char* extension);
    const CString& GetExtension() const { return m_extension; }
    bool SetFileSourceName(const char* name);
    const CString& GetFileSourceName() const { return m_sourceName; }
    bool SetFileSourceId(const GUID& id);
    const GUID& GetFileSourceId() const { return m_sourceId; }
    bool SetSplitter1Name(const char* name);
    const CString& GetSplitter1Name() const { return m_splitterName; }
    bool SetSplitter1Id(const GUID& id);
    const GUID& GetSplitter1Id() const { return m_splitterId; }
    bool SetSplitter2Name(const char* name);
    const CString& GetSplitter2Name() const { return m_splitter2Name; }
    bool SetSplitter2Id(const GUID& id);
    const GUID& GetSplitter2Id() const { return m_splitter2Id; }

    static constexpr LONG kType = FourCharCode("fexc");
    static constexpr LONG kExtensionChangedNotice = FourCharCode("fexd");
    static constexpr LONG kFileSourceNameChangedNotice = FourCharCode("fexe");
    static constexpr LONG kFileSourceIdChangedNotice = FourCharCode("fexf");
    static constexpr LONG kSplitter1NameChangedNotice = FourCharCode("fexg");
    static constexpr LONG kSplitter1IdChangedNotice = FourCharCode("fexh");
    static constexpr LONG kSplitter2NameChangedNotice = FourCharCode("fexi");
    static constexpr LONG kSplitter2IdChangedNotice = FourCharCode("fexj");

private:
    CString m_extension;
    CString m_sourceName;
    GUID m_sourceId = GUID_NULL;
    CString m_splitterName;
    GUID m_splitterId = GUID_NULL;
    CString m_splitter2Name;
    GUID m_splitter2Id = GUID_NULL;
};
