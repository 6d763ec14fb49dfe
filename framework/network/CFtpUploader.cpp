#include "CFtpUploader.h"

#include "CMvSingleLock.h"
#include "afx/internet/CFtpConnection.h"
#include "afx/internet/CInternetFile.h"
#include "afx/internet/CInternetSession.h"
#include "win32/kernel/Files.h"
#include "win32/kernel/KernelTime.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {
std::unique_ptr<CInternetSession> NewSession(const std::atomic<bool>& aborted)
{
    auto session =
        std::make_unique<CInternetSession>("Morvane/1.0", 1, PRE_CONFIG_INTERNET_ACCESS, nullptr, nullptr, 0);
    MvTransferLimits limits;
    limits.timeLimitMs = CFtpUploader::kTimeLimitMs;
    limits.stop = [&aborted] { return aborted.load(); };
    session->SetLimits(limits);
    return session;
}
}

CFtpUploader::CFtpUploader() : m_session(NewSession(m_aborted)) {}

CFtpUploader::CFtpUploader(const CFtpUploader& other)
    : m_server(other.m_server), m_path(other.m_path), m_user(other.m_user), m_password(other.m_password),
      m_session(NewSession(m_aborted)), m_port(other.m_port), m_passive(other.m_passive), m_interval(other.m_interval),
      m_status(other.GetStatus()), m_lastWrite(other.m_lastWrite)
{
}

CFtpUploader& CFtpUploader::operator=(const CFtpUploader& other)
{
    if (this == &other) return *this;
    Close();
    m_server = other.m_server;
    m_path = other.m_path;
    m_user = other.m_user;
    m_password = other.m_password;
    m_port = other.m_port;
    m_passive = other.m_passive;
    m_interval = other.m_interval;
    m_lastWrite = other.m_lastWrite;
    SetStatus(other.GetStatus());
    return *this;
}

CFtpUploader::~CFtpUploader() { Close(); }

bool CFtpUploader::CheckWriteInterval() { return CheckInterval(m_lastWrite, m_interval); }

bool CFtpUploader::CheckInterval(unsigned long& last, unsigned short seconds)
{
    const unsigned long now = timeGetTime();
    if (last != 0 && now >= last && now <= last + seconds * 1000ul) return false;
    last = now;
    return true;
}

void CFtpUploader::SetServer(const char* server)
{
    Close();
    m_server = server ? server : "";
}

void CFtpUploader::SetPath(const char* path)
{
    Close();
    m_path = path ? path : "";
}

void CFtpUploader::SetUserName(const char* user)
{
    Close();
    m_user = user ? user : "";
}

void CFtpUploader::SetPassword(const char* password)
{
    Close();
    m_password = password ? password : "";
}

void CFtpUploader::SetPort(unsigned short port)
{
    Close();
    m_port = port;
}

void CFtpUploader::SetPassive(bool passive)
{
    Close();
    m_passive = passive;
}

bool CFtpUploader::Open()
{
    if (!m_connection)
        m_connection = m_session->GetFtpConnection(m_server, m_user, m_password, m_port, m_passive ? TRUE : FALSE);
    SetStatus(m_connection ? "Successfully connected to the FTP server."
                           : "Unable to connect to the FTP server. Check address, user name and password.");
    return m_connection != nullptr;
}

void CFtpUploader::Drop()
{
    if (!m_connection) return;
    m_connection->Close();
    delete m_connection;
    m_connection = nullptr;
}

void CFtpUploader::Close()
{
    if (!m_connection) return;
    Drop();
    SetStatus("Disconnected from the FTP server.");
}

bool CFtpUploader::WriteData(const unsigned char* data, unsigned long length)
{
    if (!CheckWriteInterval() || length == 0 || !data || !Open()) return false;
    CInternetFile* file = OpenFile(m_path);
    bool written = false;
    if (file) {
        for (unsigned long done = 0; done < length;) {
            const UINT block = static_cast<UINT>(std::min<unsigned long>(length - done, 0x40000000ul));
            file->Write(data + done, block);
            done += block;
        }
        file->Close();
        written = !file->GetWriteFailed();
        delete file;
    }
    if (written) {
        SetStatus("Image uploaded successfully.");
        return true;
    }
    SetStatus("Failed to upload image.");
    // The next write logs in afresh; the failure stays the status the user sees.
    Drop();
    return false;
}

CInternetFile* CFtpUploader::ReallyOpenFile(const char* path)
{
    if (!m_connection || !path) return nullptr;
    return m_connection->OpenFile(path, GENERIC_WRITE, FTP_TRANSFER_TYPE_BINARY, 1);
}

CInternetFile* CFtpUploader::OpenFile(const char* path)
{
    if (!path || std::strlen(path) > kMaxRemotePath) return nullptr;
    CInternetFile* file = ReallyOpenFile(path);
    if (file) return file;
    const std::string text(path);
    const size_t slash = text.rfind('/');
    if (slash == std::string::npos || slash == 0) return nullptr;
    if (!OpenDirectory(text.substr(0, slash).c_str())) return nullptr;
    return ReallyOpenFile(path);
}

bool CFtpUploader::OpenDirectory(const char* path)
{
    if (!m_connection || !path || !*path || std::strlen(path) > kMaxRemotePath) return false;
    if (m_connection->CreateDirectory(path)) return true;
    const std::string text(path);
    const size_t slash = text.rfind('/');
    // Without a parent to make ("a" or "/a"), the folder cannot be made.
    if (slash == std::string::npos || slash == 0) return false;
    OpenDirectory(text.substr(0, slash).c_str());
    return m_connection->CreateDirectory(path) != FALSE;
}

void CFtpUploader::SetStatus(const char* text)
{
    CMvSingleLock lock(m_statusLock, true);
    m_status = text ? text : "";
}

CString CFtpUploader::GetStatus() const
{
    CMvSingleLock lock(m_statusLock, true);
    return m_status;
}

bool FtpWriteData(CFtpUploader* uploader, const unsigned char* data, int length)
{
    if (!uploader || length < 0) return false;
    return uploader->WriteData(data, static_cast<unsigned long>(length));
}
