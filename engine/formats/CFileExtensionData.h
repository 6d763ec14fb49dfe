#pragma once
// A file extension (no dot, lower case) with its options.
#include "CPersistList.h"
#include "CPersistObject.h"
#include "afx/CString.h"

class CFileExtensionData : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CFileExtensionData)
public:
    CFileExtensionData() = default;
    CFileExtensionData(const CFileExtensionData& other);
    CFileExtensionData& operator=(const CFileExtensionData& other);
    ~CFileExtensionData() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    // Lower-cases the text.
    virtual CString ValidateExtension(const char* extension);
    bool SetExtension(const char* extension);
    const CString& GetExtension() const { return m_extension; }
    CPersistList& GetOptions() { return m_options; }

    static constexpr LONG kType = FourCharCode("fexf");
    static constexpr LONG kExtensionChangedNotice = FourCharCode("fexh");
    static const char* const kExtensionTag;
    static const char* const kOptionsTag;

private:
    CString m_extension;
    CPersistList m_options{true};
};
