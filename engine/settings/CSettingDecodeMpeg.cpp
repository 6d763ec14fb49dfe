#include "CSettingDecodeMpeg.h"

#include "CPersistStorage.h"

MV_IMPLEMENT_PERSIST_CLASS(CSettingDecodeMpeg, CPersistObject, FourCharCode("dmpa"))

const char* const CSettingDecodeMpeg::kLeftTag = "left";
const char* const CSettingDecodeMpeg::kRightTag = "right";

CSettingDecodeMpeg& CSettingDecodeMpeg::operator=(const CSettingDecodeMpeg& other)
{
    if (this == &other) return *this;
    CPersistObject::operator=(other);
    m_left = other.m_left;
    m_right = other.m_right;
    return *this;
}

void CSettingDecodeMpeg::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save(kLeftTag, m_left);
    storage.Save(kRightTag, m_right);
}

void CSettingDecodeMpeg::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    storage.Load(kLeftTag, m_left);
    storage.Load(kRightTag, m_right);
    // A file with both off would leave the decoder silent.
    if (!m_left && !m_right) m_left = m_right = true;
}

bool CSettingDecodeMpeg::ValidateLeft(bool left)
{
    return m_right ? left : true;
}

bool CSettingDecodeMpeg::ValidateRight(bool right)
{
    return m_left ? right : true;
}

bool CSettingDecodeMpeg::SetLeft(bool left)
{
    return ChangeProperty(m_left, ValidateLeft(left), kLeftChangedNotice);
}

bool CSettingDecodeMpeg::SetRight(bool right)
{
    return ChangeProperty(m_right, ValidateRight(right), kRightChangedNotice);
}
