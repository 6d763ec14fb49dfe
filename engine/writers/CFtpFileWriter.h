#pragma once
// The FTP image writer (type 1800): each image the filter makes goes to an FTP server
// through the uploader this wrapper owns; nothing is written locally.
#include "CFtpUploader.h"
#include "COutputFilter.h"

struct IFtpImageWriter;

class CFtpFileWriter : public COutputFilter {
public:
    explicit CFtpFileWriter(CDirectShowGraph* graph = nullptr, const char* name = "File Writer");
    CFtpFileWriter(const CFtpFileWriter&) = delete;
    CFtpFileWriter& operator=(const CFtpFileWriter&) = delete;
    ~CFtpFileWriter() override;

    bool Create() override;
    void Release() override;

    void SetInterval(unsigned short seconds) { m_uploader.SetInterval(seconds); }
    void SetServer(const char* server) { m_uploader.SetServer(server); }
    void SetPath(const char* path) { m_uploader.SetPath(path); }
    void SetUserName(const char* name) { m_uploader.SetUserName(name); }
    void SetPassword(const char* password) { m_uploader.SetPassword(password); }
    void SetPort(unsigned short port) { m_uploader.SetPort(port); }
    void SetPassive(bool passive) { m_uploader.SetPassive(passive); }
    CString GetStatus() const { return m_uploader.GetStatus(); }

private:
    CFtpUploader m_uploader;
    IFtpImageWriter* m_writer = nullptr;
};
