#pragma once
// The render set that also uploads still images of the video by FTP.
#include "CImageFtpUploadInfo.h"
#include "CRenderOutputFilters2.h"

class CImageUploadFilter;

class CFtpRenderOutputFilters2 : public CRenderOutputFilters2, public CImageFtpUploadInfo {
public:
    explicit CFtpRenderOutputFilters2(CDirectShowGraph* graph = nullptr);
    ~CFtpRenderOutputFilters2() override;

    void Release() override;
    virtual bool ConnectImageUpload(CFilterPin* pin);
    virtual bool CreateImageUpload();
    virtual void ReleaseImageUpload();

protected:
    bool ConnectAfterSnapShot(CFilterPin*& pin) override;

private:
    CImageUploadFilter* m_upload = nullptr;
};
