#include "CScreenRecorder2.h"

#include "UValidateUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CScreenRecorder2, CLiveRecorder2, FourCharCode("scr2"))

namespace {
const char* const kScreenSourceTag = "screen source";
}

void CScreenRecorder2::SaveSelf(const char* name, CPersistStorage& storage)
{
    CLiveRecorder2::SaveSelf(name, storage);
    m_screenSource.Save(kScreenSourceTag, storage);
}

void CScreenRecorder2::LoadSelf(const char* name, CPersistStorage& storage)
{
    CLiveRecorder2::LoadSelf(name, storage);
    m_screenSource.Load(kScreenSourceTag, storage);
}

const char* CScreenRecorder2::Validate()
{
    return UValidateUtils::SelfThenPart(*this, m_screenSource);
}
