#include "CTextSetting.h"

#include "CRegistry.h"

namespace {

CRegistry Setting(const char* key) { return CRegistry("Text", key); }

DWORD Read(const char* key, DWORD fallback) { return Setting(key).GetValue(fallback); }

void Write(const char* key, DWORD value) { Setting(key).SetValue(value); }

} // namespace

void CTextSetting::SetFontName(const char* name) { Setting("Font").SetTextValue(name ? name : ""); }
void CTextSetting::SetCharSet(BYTE charSet) { Write("Character Set", charSet); }
void CTextSetting::SetFontSize(int points) { Write("Size", DWORD(points)); }
void CTextSetting::SetBold(bool on) { Write("Bold", on ? 1 : 0); }
void CTextSetting::SetItalic(bool on) { Write("Italic", on ? 1 : 0); }
void CTextSetting::SetUnderline(bool on) { Write("Underline", on ? 1 : 0); }
void CTextSetting::SetAlignment(WORD alignment) { Write("Alignment", alignment); }

CString CTextSetting::GetFontName() const { return CString(Setting("Font").GetTextValue("Arial")); }
BYTE CTextSetting::GetCharSet() const { return BYTE(Read("Character Set", 0)); }
int CTextSetting::GetFontSize() const { return int(Read("Size", 12)); }
bool CTextSetting::GetBold() const { return Read("Bold", 0) != 0; }
bool CTextSetting::GetItalic() const { return Read("Italic", 0) != 0; }
bool CTextSetting::GetUnderline() const { return Read("Underline", 0) != 0; }
WORD CTextSetting::GetAlignment() const { return WORD(Read("Alignment", 1)); }
