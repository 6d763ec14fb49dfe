#pragma once
// The 3D mix with still images of the first camera uploaded by FTP before the mix.
#include "C3dMixBridge.h"
#include "CImageFtpUploadInfo.h"

class CImageUploadFilter;

class CFtpUpload3dMixBridge : public C3dMixBridge, public CImageFtpUploadInfo {
public:
    explicit CFtpUpload3dMixBridge(CDirectShowGraph* graph = nullptr);
    ~CFtpUpload3dMixBridge() override;

    bool CreateSelf() override;
    bool Connect() override;
    // Makes the upload filter with the account, image type, quality and uploading flag held.
    bool CreateImageUpload();
    CImageUploadFilter* GetImageUpload() const { return m_upload.get(); }

protected:
    std::vector<CDirectShowFilter*> Filters() override;

private:
    std::unique_ptr<CImageUploadFilter> m_upload;
};
