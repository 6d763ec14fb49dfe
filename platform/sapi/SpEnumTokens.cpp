#include "sapi/SpEnumTokens.h"

CSpEnumTokens::~CSpEnumTokens()
{
    for (ISpObjectToken* token : m_tokens) token->Release();
}

HRESULT CSpEnumTokens::Next(ULONG count, ISpObjectToken** tokens, ULONG* fetched)
{
    if (!tokens) return E_POINTER;
    if (count > 1 && !fetched) return E_POINTER;
    ULONG given = 0;
    while (given < count && m_next < m_tokens.size()) {
        tokens[given] = m_tokens[m_next++];
        tokens[given]->AddRef();
        ++given;
    }
    if (fetched) *fetched = given;
    return given == count ? S_OK : S_FALSE;
}

HRESULT CSpEnumTokens::Skip(ULONG count)
{
    size_t left = m_tokens.size() - m_next;
    m_next += count < left ? count : left;
    return count <= left ? S_OK : S_FALSE;
}

HRESULT CSpEnumTokens::Reset()
{
    m_next = 0;
    return S_OK;
}

HRESULT CSpEnumTokens::Item(ULONG index, ISpObjectToken** token)
{
    if (!token) return E_POINTER;
    *token = nullptr;
    if (index >= m_tokens.size()) return SPERR_NOT_FOUND;
    *token = m_tokens[index];
    (*token)->AddRef();
    return S_OK;
}

HRESULT CSpEnumTokens::GetCount(ULONG* count)
{
    if (!count) return E_POINTER;
    *count = static_cast<ULONG>(m_tokens.size());
    return S_OK;
}
