#include "CImageUpload.h"

#include "CPersistStorage.h"

// Shares the video output's code; a lookup by code makes the video output.
MV_IMPLEMENT_PERSIST_CLASS(CImageUpload, CPersistObject, FourCharCode("vop2"))

namespace {
const char* const kFtpTag = "ftp";
const char* const kImageTag = "image";
const char* const kUploadingTag = "uploading";
}

CImageUpload::CImageUpload(const CImageUpload& other)
    : CPersistObject(other), m_ftp(other.m_ftp), m_image(other.m_image), m_uploading(other.m_uploading)
{
}

CImageUpload& CImageUpload::operator=(const CImageUpload& other)
{
    if (this == &other) return *this;
    CPersistObject::operator=(other);
    m_ftp = other.m_ftp;
    m_image = other.m_image;
    m_uploading = other.m_uploading;
    return *this;
}

void CImageUpload::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    m_ftp.Save(kFtpTag, storage);
    m_image.Save(kImageTag, storage);
    storage.Save(kUploadingTag, m_uploading);
}

void CImageUpload::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    m_ftp.Load(kFtpTag, storage);
    m_image.Load(kImageTag, storage);
    storage.Load(kUploadingTag, m_uploading);
}

bool CImageUpload::ValidateUploading(bool uploading)
{
    if (!uploading) return false;
    const char* error = m_ftp.Validate(true);
    return !(error && *error);
}

void CImageUpload::SideEffectUploadingChanged()
{
    SetStatus(m_uploading ? kUploadingStatus : kReadyStatus);
}

MV_IMPLEMENT_PROPERTY_SETTER(CImageUpload, Uploading, bool, m_uploading, kUploadingChangedNotice)

CString CImageUpload::ValidateStatus(const char* status)
{
    return CString(status ? status : "");
}

MV_IMPLEMENT_NO_SIDE_EFFECT(CImageUpload, Status)
MV_IMPLEMENT_PROPERTY_SETTER(CImageUpload, Status, const char*, m_status, kStatusChangedNotice)
