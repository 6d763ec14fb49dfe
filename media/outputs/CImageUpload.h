#pragma once
// The periodic image upload: where to, what image, whether it runs, and a status line.
#include "CFtpInfo2.h"
#include "CImageOutput.h"
#include "MvMediaProperty.h"

class CImageUpload : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CImageUpload)
public:
    CImageUpload() = default;
    // The status line belongs to the running upload and is never copied.
    CImageUpload(const CImageUpload& other);
    CImageUpload& operator=(const CImageUpload& other);
    ~CImageUpload() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    // Uploading starts only with an FTP record that validates.
    MV_DECLARE_PROPERTY(Uploading, bool, bool)
    MV_DECLARE_PROPERTY(Status, const char*, CString)

    bool GetUploading() const { return m_uploading; }
    const CString& GetStatus() const { return m_status; }
    CFtpInfo2& GetFtpInfo() { return m_ftp; }
    CImageOutput& GetImageOutput() { return m_image; }

    static constexpr LONG kUploadingChangedNotice = FourCharCode("vop3");
    static constexpr LONG kStatusChangedNotice = FourCharCode("vop4");
    static constexpr const char* kUploadingStatus = "Uploading. Click \"Stop\" to stop uploading.";
    static constexpr const char* kReadyStatus = "Ready. Click \"Start\" to start uploading.";

private:
    CFtpInfo2 m_ftp;
    CImageOutput m_image;
    bool m_uploading = false;
    CString m_status;
};
