#include "CHotKey2.h"

#include "CPersistStorage.h"
#include "MvMediaProperty.h"

MV_IMPLEMENT_PERSIST_CLASS(CHotKey2, CPersistObject, FourCharCode("htk2"))

const char* const CHotKey2::kHotKeyCtlTag = "ctl";
const char* const CHotKey2::kHotKeyAltTag = "alt";
const char* const CHotKey2::kHotKeyShiftTag = "shift";
const char* const CHotKey2::kHotKeyKeyTag = "key";

CHotKey2& CHotKey2::operator=(const CHotKey2& other)
{
    if (this == &other) return *this;
    CPersistObject::operator=(other);
    m_ctl = other.m_ctl;
    m_alt = other.m_alt;
    m_shift = other.m_shift;
    m_keyCode = other.m_keyCode;
    return *this;
}

void CHotKey2::Clear()
{
    CPersistObject::Clear();
}

void CHotKey2::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save(kHotKeyCtlTag, m_ctl);
    storage.Save(kHotKeyAltTag, m_alt);
    storage.Save(kHotKeyShiftTag, m_shift);
    storage.Save(kHotKeyKeyTag, m_keyCode);
}

void CHotKey2::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    storage.Load(kHotKeyCtlTag, m_ctl);
    storage.Load(kHotKeyAltTag, m_alt);
    storage.Load(kHotKeyShiftTag, m_shift);
    storage.Load(kHotKeyKeyTag, m_keyCode);
}

MV_IMPLEMENT_PLAIN_PROPERTY(CHotKey2, Ctl, bool, bool, m_ctl, kCtlChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CHotKey2, Alt, bool, bool, m_alt, kAltChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CHotKey2, Shift, bool, bool, m_shift, kShiftChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CHotKey2, KeyCode, unsigned char, unsigned char, m_keyCode, kKeyCodeChangedNotice)
