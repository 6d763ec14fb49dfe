#pragma once
// The FTP upload settings of still images taken from a rendered stream.
#include "afx/CString.h"
#include "win32/WinTypes.h"

class CImageFtpUploadInfo {
public:
    void SetWantsFtp(bool on) { m_wantsFtp = on; }
    void SetFtpServer(const char* server) { m_server = server ? server : ""; }
    void SetFtpPath(const char* path) { m_path = path ? path : ""; }
    void SetFtpUserName(const char* name) { m_userName = name ? name : ""; }
    void SetFtpPassword(const char* password) { m_password = password ? password : ""; }
    void SetFtpPort(int port) { m_port = port; }
    void SetFtpPassive(bool passive) { m_passive = passive; }
    void SetFtpImageType(LONG type) { m_imageType = type; }
    void SetFtpImageQuality(unsigned char quality) { m_quality = quality; }
    void SetFtpUploading(bool uploading) { m_uploading = uploading; }

protected:
    bool m_wantsFtp = false;
    CString m_server;
    CString m_path;
    CString m_userName;
    CString m_password;
    int m_port = 21;
    bool m_passive = false;
    LONG m_imageType = 1002;
    unsigned char m_quality = 50;
    bool m_uploading = false;
};
