#pragma once
// Uploads a buffer to a fixed path on an FTP server, at most once per write interval.
// Network failures become a status text and a false result.
#include "CMvCriticalSection.h"
#include "afx/CString.h"

#include <atomic>
#include <memory>

class CFtpConnection;
class CInternetFile;
class CInternetSession;

class CFtpUploader {
public:
    // Longest remote path taken; a longer one is refused.
    static constexpr size_t kMaxRemotePath = 259;
    // The longest one exchange with the server may take.
    static constexpr unsigned kTimeLimitMs = 60 * 1000;

    CFtpUploader();
    // A copy has the settings, its own session and no connection.
    CFtpUploader(const CFtpUploader& other);
    CFtpUploader& operator=(const CFtpUploader& other);
    virtual ~CFtpUploader();

    virtual bool CheckWriteInterval();
    // False while the clock lies within seconds of last (last 0 = never); otherwise last
    // becomes the clock and the result is true.
    virtual bool CheckInterval(unsigned long& last, unsigned short seconds);

    // The connection setters close an open connection first, so the next write reconnects.
    void SetServer(const char* server);
    const CString& GetServer() const { return m_server; }
    void SetPath(const char* path);
    const CString& GetPath() const { return m_path; }
    void SetUserName(const char* user);
    const CString& GetUserName() const { return m_user; }
    void SetPassword(const char* password);
    const CString& GetPassword() const { return m_password; }
    void SetPort(unsigned short port);
    unsigned short GetPort() const { return m_port; }
    void SetPassive(bool passive);
    bool GetPassive() const { return m_passive; }
    void SetInterval(unsigned short seconds) { m_interval = seconds; }
    unsigned short GetInterval() const { return m_interval; }
    void SetLastUploadTime(unsigned long time) { m_lastWrite = time; }
    unsigned long GetLastUploadTime() const { return m_lastWrite; }

    bool Open();
    bool IsOpen() const { return m_connection != nullptr; }
    void Close();
    bool WriteData(const unsigned char* data, unsigned long length);
    // The remote file opened for writing, its folders made when missing; null on failure.
    CInternetFile* OpenFile(const char* path);
    bool OpenDirectory(const char* path);
    CInternetFile* ReallyOpenFile(const char* path);

    void SetStatus(const char* text);
    CString GetStatus() const;

    // Any thread: ends the exchange in progress within a tenth of a second, whatever the
    // server does, and fails every later one until Resume.
    void Abort() { m_aborted = true; }
    void Resume() { m_aborted = false; }

protected:
    void Drop();

    CString m_server;
    CString m_path;
    CString m_user;
    CString m_password;
    std::atomic<bool> m_aborted{false};
    std::unique_ptr<CInternetSession> m_session;
    CFtpConnection* m_connection = nullptr;
    unsigned short m_port = 21;
    bool m_passive = false;
    unsigned short m_interval = 5;
    CString m_status;
    mutable CMvCriticalSection m_statusLock;
    unsigned long m_lastWrite = 0;
};

// The write callback of FTP output filters; false for a null uploader or a negative length.
bool FtpWriteData(CFtpUploader* uploader, const unsigned char* data, int length);
