#pragma once
// A user's account at a web service. Only the e-mail is stored: the password and the
// new-account mark live for the session.
#include "CWebObject.h"

class CWebAccount : public CWebObject {
    MV_DECLARE_PERSIST_CLASS(CWebAccount)
public:
    CWebAccount() = default;
    CWebAccount(const CWebAccount& other) = default;
    CWebAccount& operator=(const CWebAccount& other);
    ~CWebAccount() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    // Reads the e-mail; name and id keep their current values.
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    // Blanks and '=' are dropped.
    virtual CString ValidateEmail(const char* email);
    virtual void SideEffectEmailChanged();
    virtual CString ValidatePassword(const char* password);
    virtual void SideEffectPasswordChanged();
    virtual bool ValidateNew(bool isNew);
    // A new account starts without name, e-mail and password.
    virtual void SideEffectNewChanged();

    bool SetEmail(const char* email);
    bool SetPassword(const char* password);
    bool SetNew(bool isNew);
    const CString& GetEmail() const { return m_email; }
    const CString& GetPassword() const { return m_password; }
    bool GetNew() const { return m_new; }

    static constexpr LONG kEmailChangedNotice = FourCharCode("wbaf");
    static constexpr LONG kPasswordChangedNotice = FourCharCode("wbag");
    static constexpr LONG kNewChangedNotice = FourCharCode("wbah");
    static const char* const kWebAccountEmailTag;

private:
    CString m_email;
    CString m_password;
    bool m_new = true;
};
