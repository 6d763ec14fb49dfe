#pragma once
// An FTP upload destination: server, log-in, port, transfer mode and four remote paths.
// The password is plain in memory and scrambled in storage.
#include "CPersistObject.h"
#include "afx/CString.h"

class CFtpInfo2 : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CFtpInfo2)
public:
    CFtpInfo2() = default;
    CFtpInfo2(const CFtpInfo2& other) = default;
    CFtpInfo2& operator=(const CFtpInfo2& other);
    ~CFtpInfo2() override = default;

    // "Please enter ..." for a missing server or first path, else null.
    const char* ValidateSelf() override;
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    virtual CString ValidateServer(const char* server);
    virtual void SideEffectServerChanged();
    virtual CString ValidateUserName(const char* userName);
    virtual void SideEffectUserNameChanged();
    virtual CString ValidatePassword(const char* password);
    virtual void SideEffectPasswordChanged();
    // 0 means the standard port 21.
    virtual ULONG ValidatePort(ULONG port);
    virtual void SideEffectPortChanged();
    virtual bool ValidatePassive(bool passive);
    virtual void SideEffectPassiveChanged();
    virtual CString ValidatePath1(const char* path);
    virtual void SideEffectPath1Changed();
    virtual CString ValidatePath2(const char* path);
    virtual void SideEffectPath2Changed();
    virtual CString ValidatePath3(const char* path);
    virtual void SideEffectPath3Changed();
    virtual CString ValidatePath4(const char* path);
    virtual void SideEffectPath4Changed();

    bool SetServer(const char* server);
    bool SetUserName(const char* userName);
    bool SetPassword(const char* password);
    bool SetPort(ULONG port);
    bool SetPassive(bool passive);
    bool SetPath1(const char* path);
    bool SetPath2(const char* path);
    bool SetPath3(const char* path);
    bool SetPath4(const char* path);

    const CString& GetServer() const { return m_server; }
    const CString& GetUserName() const { return m_userName; }
    const CString& GetPassword() const { return m_password; }
    ULONG GetPort() const { return m_port; }
    bool GetPassive() const { return m_passive; }
    const CString& GetPath1() const { return m_path1; }
    const CString& GetPath2() const { return m_path2; }
    const CString& GetPath3() const { return m_path3; }
    const CString& GetPath4() const { return m_path4; }

    static constexpr LONG kServerChangedNotice = FourCharCode("ftp3");
    static constexpr LONG kUserNameChangedNotice = FourCharCode("ftp5");
    static constexpr LONG kPasswordChangedNotice = FourCharCode("ftp6");
    static constexpr LONG kPortChangedNotice = FourCharCode("ftp7");
    static constexpr LONG kPassiveChangedNotice = FourCharCode("ftp8");
    static constexpr LONG kPath1ChangedNotice = FourCharCode("ftp9");
    static constexpr LONG kPath2ChangedNotice = FourCharCode("ftp:");
    static constexpr LONG kPath3ChangedNotice = FourCharCode("ftp;");
    static constexpr LONG kPath4ChangedNotice = FourCharCode("ftp<");
    static constexpr ULONG kDefaultPort = 21;

private:
    CString m_server;
    CString m_userName;
    CString m_password;
    ULONG m_port = kDefaultPort;
    bool m_passive = false;
    CString m_path1;
    CString m_path2;
    CString m_path3;
    CString m_path4;
};
