#include "win32/controls/CtlProgress.h"
#include "win32/controls/CommCtrl.h"

#include <algorithm>

int CtlProgress::SetPos(int pos)
{
    int old = m_pos;
    m_pos = std::clamp(pos, std::min(m_low, m_high), std::max(m_low, m_high));
    if (m_pos != old) Changed();
    return old;
}

LRESULT CtlProgress::Handle(UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
{
    handled = true;
    switch (message) {
    case PBM_SETRANGE:
    case PBM_SETRANGE32: {
        LRESULT old = MAKELONG(m_low, m_high);
        if (message == PBM_SETRANGE) {
            m_low = LOWORD(lParam);
            m_high = HIWORD(lParam);
        } else {
            m_low = static_cast<int>(static_cast<intptr_t>(wParam));
            m_high = static_cast<int>(lParam);
        }
        SetPos(m_pos);
        Changed();
        return old;
    }
    case PBM_GETRANGE: {
        if (auto* range = reinterpret_cast<PBRANGE*>(lParam)) *range = {m_low, m_high};
        return wParam ? m_low : m_high;
    }
    case PBM_SETPOS:
        return SetPos(static_cast<int>(static_cast<intptr_t>(wParam)));
    case PBM_DELTAPOS:
        return SetPos(m_pos + static_cast<int>(static_cast<intptr_t>(wParam)));
    case PBM_GETPOS:
        return m_pos;
    case PBM_SETSTEP: {
        int old = m_step;
        m_step = static_cast<int>(static_cast<intptr_t>(wParam));
        return old;
    }
    case PBM_STEPIT: {
        int old = m_pos;
        int next = m_pos + m_step;
        // Past the end the bar starts over from the beginning.
        if (next > m_high && m_high > m_low) next = m_low + (next - m_high) % (m_high - m_low);
        m_pos = std::clamp(next, std::min(m_low, m_high), std::max(m_low, m_high));
        Changed();
        return old;
    }
    case PBM_SETBARCOLOR: {
        COLORREF old = m_bar;
        m_bar = static_cast<COLORREF>(lParam);
        Changed();
        return old;
    }
    case PBM_SETBKCOLOR: {
        COLORREF old = m_background;
        m_background = static_cast<COLORREF>(lParam);
        Changed();
        return old;
    }
    default:
        handled = false;
        return 0;
    }
}
