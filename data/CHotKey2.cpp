#include "CHotKey2.h"

#include "CPersistStorage.h"

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

bool CHotKey2::ValidateCtl(bool ctl) { return ctl; }
bool CHotKey2::ValidateAlt(bool alt) { return alt; }
bool CHotKey2::ValidateShift(bool shift) { return shift; }
unsigned char CHotKey2::ValidateKeyCode(unsigned char keyCode) { return keyCode; }

void CHotKey2::SideEffectCtlChanged() {}
void CHotKey2::SideEffectAltChanged() {}
void CHotKey2::SideEffectShiftChanged() {}
void CHotKey2::SideEffectKeyCodeChanged() {}

bool CHotKey2::SetCtl(bool ctl)
{
    if (!ChangeProperty(m_ctl, ValidateCtl(ctl), kCtlChangedNotice)) return false;
    SideEffectCtlChanged();
    return true;
}

bool CHotKey2::SetAlt(bool alt)
{
    if (!ChangeProperty(m_alt, ValidateAlt(alt), kAltChangedNotice)) return false;
    SideEffectAltChanged();
    return true;
}

bool CHotKey2::SetShift(bool shift)
{
    if (!ChangeProperty(m_shift, ValidateShift(shift), kShiftChangedNotice)) return false;
    SideEffectShiftChanged();
    return true;
}

bool CHotKey2::SetKeyCode(unsigned char keyCode)
{
    if (!ChangeProperty(m_keyCode, ValidateKeyCode(keyCode), kKeyCodeChangedNotice)) return false;
    SideEffectKeyCodeChanged();
    return true;
}
