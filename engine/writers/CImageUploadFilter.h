#pragma once
// "Image Upload": passes video on and hands its still images to an FTP image handler.
#include "CTransformerFilter.h"
#include "IVideoPostback.h"

#include <memory>

class CFtpImageHandler;
struct IImageUploadSource;

class CImageUploadFilter : public CTransformerFilter {
public:
    explicit CImageUploadFilter(CDirectShowGraph* graph = nullptr, const char* name = "Image Upload");
    ~CImageUploadFilter() override;

    bool Create() override;
    void Release() override;

    void SetServer(const char* server);
    void SetPath(const char* path);
    void SetUserName(const char* name);
    void SetPassword(const char* password);
    void SetPort(int port);
    void SetPassive(bool passive);
    void SetImageType(EImageType type);
    void SetQuality(unsigned char quality);
    void SetUploading(bool uploading);
    IImageUploadSource* GetImageSource() const { return m_source; }

private:
    CFtpImageHandler& Handler();

    std::unique_ptr<CFtpImageHandler> m_handler;
    IImageUploadSource* m_source = nullptr;
};
