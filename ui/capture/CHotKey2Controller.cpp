#include "CHotKey2Controller.h"

#include "CHotKey2.h"
#include "UComboChoices.h"
#include "UStringBuffer.h"
#include "UWindowsUtils.h"
#include "afx/controls/CButton.h"

#include <string>
#include <vector>

namespace {
struct NamedKey {
    unsigned char code;
    std::string name;
};

// The keys a shortcut may use, in the order the list shows them.
const std::vector<NamedKey>& Keys()
{
    static const std::vector<NamedKey> keys = [] {
        std::vector<NamedKey> table = {{8, "BkSp"},        {9, "Tab"},          {12, "Clear"},     {13, "Return"},
                                       {27, "Esc"},        {32, "Space"},       {33, "PgUp"},      {34, "PgDn"},
                                       {35, "End"},        {36, "Home"},        {37, "Left Arrow"}, {39, "Right Arrow"},
                                       {38, "Up Arrow"},   {40, "Down Arrow"},  {44, "PrtScn"},    {45, "INS"},
                                       {46, "DEL"}};
        for (unsigned char c = '0'; c <= '9'; ++c) table.push_back({c, std::string(1, static_cast<char>(c))});
        for (unsigned char c = 'A'; c <= 'Z'; ++c) table.push_back({c, std::string(1, static_cast<char>(c))});
        for (int f = 1; f <= 12; ++f) table.push_back({static_cast<unsigned char>(111 + f), "F" + std::to_string(f)});
        return table;
    }();
    return keys;
}
} // namespace

CHotKey2Controller::CHotKey2Controller()
{
    mExpectedType = FourCharCode("htk2");
}

CHotKey2* CHotKey2Controller::GetHotKey() const
{
    return static_cast<CHotKey2*>(GetObjectA());
}

void CHotKey2Controller::SetControls(CButton* ctl, CButton* alt, CButton* shift, CComboBox* key)
{
    m_ctl = ctl;
    m_alt = alt;
    m_shift = shift;
    m_key = key;
}

CString CHotKey2Controller::GetKeyName(unsigned char code)
{
    for (const NamedKey& key : Keys())
        if (key.code == code) return key.name.c_str();
    return "";
}

bool CHotKey2Controller::GetKeyCode(const char* name, unsigned char& code)
{
    for (const NamedKey& key : Keys())
        if (name && key.name == name) {
            code = key.code;
            return true;
        }
    return false;
}

void CHotKey2Controller::PopulateKeyCodeCombo()
{
    if (!m_key) return;
    UComboChoices::Clear(m_key);
    for (const NamedKey& key : Keys()) UComboChoices::Add(m_key, key.name.c_str());
}

void CHotKey2Controller::ReflectCtl()
{
    if (GetHotKey()) UWindowsUtils::SetCheck(m_ctl, GetHotKey()->GetCtl());
}

void CHotKey2Controller::ReflectAlt()
{
    if (GetHotKey()) UWindowsUtils::SetCheck(m_alt, GetHotKey()->GetAlt());
}

void CHotKey2Controller::ReflectShift()
{
    if (GetHotKey()) UWindowsUtils::SetCheck(m_shift, GetHotKey()->GetShift());
}

void CHotKey2Controller::ReflectKeyCode()
{
    if (GetHotKey()) UComboChoices::SelectExact(m_key, GetKeyName(GetHotKey()->GetKeyCode()));
}

void CHotKey2Controller::EnterCtl()
{
    if (GetHotKey() && m_ctl && !GetHotKey()->SetCtl(UWindowsUtils::GetCheck(m_ctl))) ReflectCtl();
}

void CHotKey2Controller::EnterAlt()
{
    if (GetHotKey() && m_alt && !GetHotKey()->SetAlt(UWindowsUtils::GetCheck(m_alt))) ReflectAlt();
}

void CHotKey2Controller::EnterShift()
{
    if (GetHotKey() && m_shift && !GetHotKey()->SetShift(UWindowsUtils::GetCheck(m_shift))) ReflectShift();
}

void CHotKey2Controller::EnterKeyCode()
{
    CString name;
    unsigned char code = 0;
    if (!GetHotKey() || !m_key) return;
    if (!UComboChoices::GetSelectedText(m_key, name) || !GetKeyCode(name, code) || !GetHotKey()->SetKeyCode(code))
        ReflectKeyCode();
}

void CHotKey2Controller::Refresh()
{
    ReflectCtl();
    ReflectAlt();
    ReflectShift();
    PopulateKeyCodeCombo();
    ReflectKeyCode();
}

char* CHotKey2Controller::GetText()
{
    CHotKey2* key = GetHotKey();
    if (!key) return UStringBuffer::Text("");
    CString text;
    if (key->GetCtl()) text += "Ctl-";
    if (key->GetAlt()) text += "Alt-";
    if (key->GetShift()) text += "Shift-";
    text += GetKeyName(key->GetKeyCode());
    return UStringBuffer::Text(text);
}

bool CHotKey2Controller::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case CHotKey2::kCtlChangedNotice: ReflectCtl(); return true;
    case CHotKey2::kAltChangedNotice: ReflectAlt(); return true;
    case CHotKey2::kShiftChangedNotice: ReflectShift(); return true;
    case CHotKey2::kKeyCodeChangedNotice: ReflectKeyCode(); return true;
    default: return CObjectController2::Respond(code, sender, a, b);
    }
}
