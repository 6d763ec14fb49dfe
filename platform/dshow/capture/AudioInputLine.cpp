#include "dshow/capture/AudioInputLine.h"

#include "dshow/BasePin.h"

CAudioInputLine::CAudioInputLine(CBasePin* pin, bool enabled, double level, Apply apply)
    : m_pin(pin), m_enabled(enabled), m_level(level), m_apply(std::move(apply))
{
}

HRESULT CAudioInputLine::QueryInterface(REFIID iid, void** object) { return m_pin->QueryInterface(iid, object); }
ULONG CAudioInputLine::AddRef() { return m_pin->AddRef(); }
ULONG CAudioInputLine::Release() { return m_pin->Release(); }

HRESULT CAudioInputLine::put_Enable(BOOL enable)
{
    if (m_apply && !m_apply(enable != FALSE, m_level)) return E_FAIL;
    m_enabled = enable != FALSE;
    return S_OK;
}

HRESULT CAudioInputLine::get_Enable(BOOL* enable)
{
    if (!enable) return E_POINTER;
    *enable = m_enabled ? TRUE : FALSE;
    return S_OK;
}

HRESULT CAudioInputLine::put_MixLevel(double level)
{
    // -1 is automatic gain; anything else outside 0..1 is no level.
    if (level != -1.0 && !(level >= 0.0 && level <= 1.0)) return E_INVALIDARG;
    if (m_apply && !m_apply(m_enabled, level)) return E_FAIL;
    m_level = level;
    return S_OK;
}

HRESULT CAudioInputLine::get_MixLevel(double* level)
{
    if (!level) return E_POINTER;
    *level = m_level;
    return S_OK;
}
