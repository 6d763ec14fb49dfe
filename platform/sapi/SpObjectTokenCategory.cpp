#include "sapi/SpObjectTokenCategory.h"

#include "com/ComRuntime.h"
#include "sapi/SpEnumTokens.h"
#include "sapi/SpTokenCatalog.h"

HRESULT CSpObjectTokenCategory::SetId(LPCWSTR categoryId, BOOL createIfNotExist)
{
    if (m_open) return SPERR_ALREADY_INITIALIZED;
    if (!categoryId) return E_POINTER;
    std::u16string known = CSpTokenCatalog::FindCategory(categoryId);
    if (known.empty()) {
        // A created category is empty: nothing installs tokens into it.
        if (!createIfNotExist) return SPERR_NOT_FOUND;
        known = categoryId;
    }
    m_id = known;
    m_open = true;
    return S_OK;
}

HRESULT CSpObjectTokenCategory::GetId(LPWSTR* categoryId)
{
    if (!categoryId) return E_POINTER;
    *categoryId = nullptr;
    if (!m_open) return SPERR_UNINITIALIZED;
    *categoryId = CoTaskMemDupString(m_id.c_str());
    return S_OK;
}

HRESULT CSpObjectTokenCategory::EnumTokens(LPCWSTR, LPCWSTR, IEnumSpObjectTokens** tokens)
{
    if (!tokens) return E_POINTER;
    *tokens = nullptr;
    if (!m_open) return SPERR_UNINITIALIZED;
    *tokens = new CSpEnumTokens(CSpTokenCatalog::Tokens(m_id));
    return S_OK;
}

HRESULT CSpObjectTokenCategory::GetDefaultTokenId(LPWSTR* tokenId)
{
    if (!tokenId) return E_POINTER;
    *tokenId = nullptr;
    if (!m_open) return SPERR_UNINITIALIZED;
    std::u16string id = CSpTokenCatalog::DefaultTokenId(m_id);
    if (id.empty()) return SPERR_NOT_FOUND;
    *tokenId = CoTaskMemDupString(id.c_str());
    return S_OK;
}

HRESULT CSpObjectTokenCategory::Create(REFIID iid, void** object)
{
    return CreateComObject<CSpObjectTokenCategory>(iid, object);
}
