#pragma once
// Starts and stops the periodic image upload and shows its status line.
#include "CObjectController2.h"

class CButton;
class CImageUpload;
class CStatic;

class CImageUploadController : public CObjectController2 {
public:
    CImageUploadController();

    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void Refresh() override;

    void SetControls(CButton* upload, CStatic* status);
    virtual void ReflectUpload();
    virtual void ReflectStatus();
    virtual void EnterUpload();

    // Shown until the upload has a status of its own.
    static constexpr const char* kStartPrompt = "Click \"Start\" to start uploading images.";

private:
    CImageUpload* GetUpload() const;

    CButton* m_upload = nullptr;
    CStatic* m_status = nullptr;
};
