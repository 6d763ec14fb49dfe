#pragma once
// "Image Upload": passes video on and hands its still images to an FTP image handler.
#include "CTransformerFilter.h"
#include "IVideoPostback.h"

#include <memory>

class CFtpImageHandler;
class CImageUploadSource;
struct IImageUploadFrames;

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
    IVideoPostback* GetImageSource() const;

private:
    CFtpImageHandler& Handler();

    std::unique_ptr<CFtpImageHandler> m_handler;
    IImageUploadFrames* m_frames = nullptr;
    std::unique_ptr<CImageUploadSource> m_source;
};
