#include "CFontEntry.h"

#include <cstring>

CString CFontEntry::GetFontName() const
{
    CString name(m_font.elfLogFont.lfFaceName, int(strnlen(m_font.elfLogFont.lfFaceName, LF_FACESIZE)));
    const char* script = reinterpret_cast<const char*>(m_font.elfScript);
    name += " (";
    name += CString(script, int(strnlen(script, sizeof m_font.elfScript)));
    name += ")";
    return name;
}
