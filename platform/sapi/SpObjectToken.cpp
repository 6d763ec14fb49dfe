#include "sapi/SpObjectToken.h"

#include "com/ComRuntime.h"
#include "sapi/SpTokenCatalog.h"
#include "sapi/WideText.h"

HRESULT CSpObjectToken::SetId(LPCWSTR categoryId, LPCWSTR tokenId, BOOL)
{
    if (m_data) return SPERR_ALREADY_INITIALIZED;
    if (!tokenId) return E_POINTER;
    std::u16string id = tokenId;
    // A token id may be given relative to its category.
    if (categoryId && *categoryId && id.find(u'\\') == std::u16string::npos)
        id = SpCopyWide(categoryId) + u"\\Tokens\\" + id;
    ISpObjectToken* known = CSpTokenCatalog::FindToken(id);
    if (!known) return SPERR_NOT_FOUND;
    m_data = static_cast<CSpObjectToken*>(known)->m_data;
    known->Release();
    return S_OK;
}

HRESULT CSpObjectToken::GetId(LPWSTR* tokenId)
{
    if (!tokenId) return E_POINTER;
    *tokenId = nullptr;
    if (!m_data) return SPERR_UNINITIALIZED;
    *tokenId = CoTaskMemDupString(m_data->id.c_str());
    return *tokenId ? S_OK : E_OUTOFMEMORY;
}

HRESULT CSpObjectToken::GetStringValue(LPCWSTR valueName, LPWSTR* value)
{
    if (!value) return E_POINTER;
    *value = nullptr;
    if (!m_data) return SPERR_UNINITIALIZED;
    if (valueName && *valueName) return SPERR_NOT_FOUND; // tokens hold only their default value
    *value = CoTaskMemDupString(m_data->description.c_str());
    return *value ? S_OK : E_OUTOFMEMORY;
}

HRESULT CSpObjectToken::CreateInstance(IUnknown* outer, DWORD context, REFIID iid, void** object)
{
    if (!object) return E_POINTER;
    *object = nullptr;
    if (!m_data) return SPERR_UNINITIALIZED;
    if (m_data->objectClass == GUID_NULL) return REGDB_E_CLASSNOTREG;
    return CoCreateInstance(m_data->objectClass, outer, context, iid, object);
}

HRESULT CSpObjectToken::Create(REFIID iid, void** object)
{
    return CreateComObject<CSpObjectToken>(iid, object);
}
