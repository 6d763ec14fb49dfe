#pragma once
// One keyboard shortcut: modifier flags and a virtual-key code (Ctrl+Alt+Escape when new).
#include "CPersistObject.h"

class CHotKey2 : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CHotKey2)
public:
    CHotKey2() = default;
    CHotKey2(const CHotKey2& other) = default;
    CHotKey2& operator=(const CHotKey2& other);
    ~CHotKey2() override = default;

    void Clear() override;
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    virtual bool ValidateCtl(bool ctl);
    virtual void SideEffectCtlChanged();
    virtual bool ValidateAlt(bool alt);
    virtual void SideEffectAltChanged();
    virtual bool ValidateShift(bool shift);
    virtual void SideEffectShiftChanged();
    virtual unsigned char ValidateKeyCode(unsigned char keyCode);
    virtual void SideEffectKeyCodeChanged();

    bool SetCtl(bool ctl);
    bool SetAlt(bool alt);
    bool SetShift(bool shift);
    bool SetKeyCode(unsigned char keyCode);
    bool GetCtl() const { return m_ctl; }
    bool GetAlt() const { return m_alt; }
    bool GetShift() const { return m_shift; }
    unsigned char GetKeyCode() const { return m_keyCode; }

    static constexpr LONG kCtlChangedNotice = FourCharCode("htk3");
    static constexpr LONG kAltChangedNotice = FourCharCode("htk4");
    static constexpr LONG kShiftChangedNotice = FourCharCode("htk5");
    static constexpr LONG kKeyCodeChangedNotice = FourCharCode("htk6");
    static constexpr unsigned char kEscapeKey = 27;
    static const char* const kHotKeyCtlTag;
    static const char* const kHotKeyAltTag;
    static const char* const kHotKeyShiftTag;
    static const char* const kHotKeyKeyTag;

private:
    bool m_ctl = true;
    bool m_alt = true;
    bool m_shift = false;
    unsigned char m_keyCode = kEscapeKey;
};
