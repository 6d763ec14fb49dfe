#include "CMediaWriter2.h"

#include "UValidateUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CMediaWriter2, CPersistObject, FourCharCode("awr2"))

namespace {
const char* const kOutputTag = "output";
const char* const kFileTag = "file";
const char* const kFtpIntervalTag = "ftp interval";
const char* const kFtpTag = "ftp";
}

void CMediaWriter2::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    m_output.Save(kOutputTag, storage);
    m_file.Save(kFileTag, storage);
    m_ftpInterval.Save(kFtpIntervalTag, storage);
    m_ftp.Save(kFtpTag, storage);
}

void CMediaWriter2::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    m_output.Load(kOutputTag, storage);
    m_file.Load(kFileTag, storage);
    m_ftpInterval.Load(kFtpIntervalTag, storage);
    m_ftp.Load(kFtpTag, storage);
}

const char* CMediaWriter2::Validate()
{
    if (m_output.GetSplitterType() == kSplitterTypeWebImages) return UValidateUtils::SelfThenPart(*this, m_ftp);
    return UValidateUtils::SelfThenPart(*this, m_file);
}
