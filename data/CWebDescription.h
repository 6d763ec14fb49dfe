#pragma once
// A web object with a description text.
#include "CWebObject.h"

class CWebDescription : public CWebObject {
    MV_DECLARE_PERSIST_CLASS(CWebDescription)
public:
    CWebDescription() = default;
    CWebDescription(const CWebDescription& other) = default;
    CWebDescription& operator=(const CWebDescription& other);
    ~CWebDescription() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    virtual CString ValidateDescription(const char* description);
    virtual void SideEffectDescriptionChanged();

    bool SetDescription(const char* description);
    const CString& GetDescription() const { return m_description; }

    static constexpr LONG kDescriptionChangedNotice = FourCharCode("wbdt");
    static const char* const kWebDescriptionDescriptionTag;

private:
    CString m_description;
};
