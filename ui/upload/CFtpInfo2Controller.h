#pragma once
// Edits an FTP account: server, user name, password, port, passive mode and four paths.
#include "CObjectController2.h"

class CButton;
class CEntryField;
class CFtpInfo2;

class CFtpInfo2Controller : public CObjectController2 {
public:
    CFtpInfo2Controller();
    ~CFtpInfo2Controller() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void Refresh() override;
    char* GetText() override;

    void SetControls(CEntryField* server, CEntryField* userName, CEntryField* password, CEntryField* port, CButton* passive,
                     CEntryField* path1, CEntryField* path2, CEntryField* path3, CEntryField* path4);

    void ReflectServer() { Reflect(kServer); }
    void ReflectUserName() { Reflect(kUserName); }
    void ReflectPassword() { Reflect(kPassword); }
    void ReflectPort() { Reflect(kPort); }
    void ReflectPassive();
    void ReflectPath1() { Reflect(kPath1); }
    void ReflectPath2() { Reflect(kPath2); }
    void ReflectPath3() { Reflect(kPath3); }
    void ReflectPath4() { Reflect(kPath4); }
    void EnterServer() { Enter(kServer); }
    void EnterUserName() { Enter(kUserName); }
    void EnterPassword() { Enter(kPassword); }
    void EnterPort() { Enter(kPort); }
    void EnterPassive();
    void EnterPath1() { Enter(kPath1); }
    void EnterPath2() { Enter(kPath2); }
    void EnterPath3() { Enter(kPath3); }
    void EnterPath4() { Enter(kPath4); }

private:
    enum Field { kServer, kUserName, kPassword, kPort, kPath1, kPath2, kPath3, kPath4, kFieldCount };

    CFtpInfo2* GetFtpInfo() const;
    void Reflect(Field field);
    void Enter(Field field);

    CEntryField* m_fields[kFieldCount] = {};
    CButton* m_passive = nullptr;
};
