#include "win32/controls/CtlIpAddress.h"
#include "win32/controls/CtlBusy.h"
#include "win32/controls/CommCtrl.h"
#include "win32/CtlText.h"

#include <algorithm>
#include <cstdio>

CtlIpAddress::CtlIpAddress(DWORD style) : CtlModel(style)
{
    m_fields.fill(-1);
    m_ranges.fill({0, 255});
}

std::string CtlIpAddress::Text() const
{
    std::string text;
    for (size_t i = 0; i < 4; ++i) {
        if (i) text += '.';
        if (m_fields[i] >= 0) text += std::to_string(m_fields[i]);
    }
    return text;
}

LRESULT CtlIpAddress::Handle(UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
{
    handled = true;
    switch (message) {
    case IPM_SETADDRESS: {
        auto a = static_cast<DWORD>(lParam);
        m_fields = {static_cast<int>(FIRST_IPADDRESS(a)), static_cast<int>(SECOND_IPADDRESS(a)),
                    static_cast<int>(THIRD_IPADDRESS(a)), static_cast<int>(FOURTH_IPADDRESS(a))};
        Changed();
        return TRUE;
    }
    case IPM_GETADDRESS: {
        DWORD a = 0;
        int filled = 0;
        for (size_t i = 0; i < 4; ++i) {
            a = (a << 8) | static_cast<DWORD>(std::max(m_fields[i], 0));
            if (m_fields[i] >= 0) ++filled;
        }
        if (lParam) *reinterpret_cast<DWORD*>(lParam) = a;
        return filled;
    }
    case IPM_CLEARADDRESS:
        m_fields.fill(-1);
        Changed();
        return 0;
    case IPM_ISBLANK:
        return std::all_of(m_fields.begin(), m_fields.end(), [](int f) { return f < 0; }) ? TRUE : FALSE;
    case IPM_SETRANGE: {
        if (wParam > 3) return FALSE;
        int low = LOBYTE(lParam);
        int high = HIBYTE(lParam);
        if (low > high) return FALSE;
        m_ranges[wParam] = {low, high};
        return TRUE;
    }
    case IPM_SETFOCUS:
        CommitTyping();
        m_focus = static_cast<int>(std::min<WPARAM>(wParam, 3));
        if (Host()) Host()->TakeFocus();
        return 0;
    case WM_GETTEXT:
        return CtlCopyOut(Text(), reinterpret_cast<char*>(lParam), static_cast<int>(wParam));
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(Text().size());
    case WM_SETTEXT: {
        // "a.b.c.d"; a field that is not a number stays blank.
        std::string text = CtlTextArg(lParam);
        m_fields.fill(-1);
        size_t at = 0;
        for (size_t i = 0; i < 4 && at <= text.size(); ++i) {
            size_t dot = text.find('.', at);
            std::string part = text.substr(at, dot == std::string::npos ? std::string::npos : dot - at);
            if (!part.empty() && part.size() <= 3 && part.find_first_not_of("0123456789") == std::string::npos)
                m_fields[i] = std::clamp(std::stoi(part), m_ranges[i].first, m_ranges[i].second);
            if (dot == std::string::npos) break;
            at = dot + 1;
        }
        Changed();
        return TRUE;
    }
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFOCUS:
        Command(EN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        CommitTyping();
        Command(EN_KILLFOCUS);
        return 0;
    case WM_CHAR:
        TypeChar(static_cast<char16_t>(wParam));
        return 0;
    default:
        handled = false;
        return 0;
    }
}

void CtlIpAddress::CommitTyping()
{
    if (!m_typed) return;
    m_typed = false;
    std::string text = m_typing;
    m_typing.clear();
    UserSetField(m_focus, text);
}

void CtlIpAddress::TypeChar(char16_t c)
{
    if (!IsEnabled()) return;
    if (c >= u'0' && c <= u'9') {
        if (!m_typed) m_typing.clear();
        m_typed = true;
        m_typing += static_cast<char>(c);
        // A full field moves on to the next.
        if (m_typing.size() == 3) {
            CommitTyping();
            m_focus = std::min(m_focus + 1, 3);
        }
    } else if (c == u'.' || c == u' ') {
        if (m_typed) CommitTyping();
        m_focus = std::min(m_focus + 1, 3);
    } else if (c == 0x08) {
        if (m_typed && !m_typing.empty()) {
            m_typing.pop_back();
        } else if (m_fields[static_cast<size_t>(m_focus)] >= 0) {
            m_typing = std::to_string(m_fields[static_cast<size_t>(m_focus)]);
            m_typing.pop_back();
            m_typed = true;
        }
    }
    Changed();
}

void CtlIpAddress::UserSetField(int field, const std::string& text)
{
    CtlBusy busy;
    if (!IsEnabled() || field < 0 || field > 3) return;
    auto f = static_cast<size_t>(field);
    int value = -1;
    if (!text.empty() && text.size() <= 3 && text.find_first_not_of("0123456789") == std::string::npos)
        value = std::clamp(std::stoi(text), m_ranges[f].first, m_ranges[f].second);
    NMIPADDRESS notice{};
    notice.iField = field;
    notice.iValue = value;
    Notify(notice.hdr, IPN_FIELDCHANGED);
    // The parent may have changed the value it was told.
    if (notice.iValue != value) value = notice.iValue < 0 ? -1 : std::clamp(notice.iValue, m_ranges[f].first, m_ranges[f].second);
    if (m_fields[f] == value) return;
    m_fields[f] = value;
    Changed();
    Command(EN_CHANGE);
}
