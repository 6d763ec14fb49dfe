#pragma once
// Edits a keyboard shortcut: the Ctrl, Alt and Shift modifiers and one key from a fixed
// list of named keys.
#include "CObjectController2.h"
#include "afx/CString.h"

class CButton;
class CComboBox;
class CHotKey2;

class CHotKey2Controller : public CObjectController2 {
public:
    CHotKey2Controller();

    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void Refresh() override;
    char* GetText() override;

    void SetControls(CButton* ctl, CButton* alt, CButton* shift, CComboBox* key);

    void PopulateKeyCodeCombo();
    void ReflectCtl();
    void ReflectAlt();
    void ReflectShift();
    void ReflectKeyCode();
    void EnterCtl();
    void EnterAlt();
    void EnterShift();
    void EnterKeyCode();

    // The key's name, empty for a key the list lacks; false for a name it lacks.
    static CString GetKeyName(unsigned char code);
    static bool GetKeyCode(const char* name, unsigned char& code);

    CHotKey2* GetHotKey() const;

private:
    CButton* m_ctl = nullptr;
    CButton* m_alt = nullptr;
    CButton* m_shift = nullptr;
    CComboBox* m_key = nullptr;
};
