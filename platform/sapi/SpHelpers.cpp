#include "sapi/SpHelpers.h"

#include "com/ComRuntime.h"
#include "sapi/SpTokens.h"

#include <cstdio>
#include <cstring>

WORD SpUserUILanguage()
{
    return 0x409;
}

HRESULT SpGetDescription(ISpObjectToken* token, LPWSTR* description)
{
    if (!token || !description) return E_POINTER;
    *description = nullptr;
    char narrow[8];
    std::snprintf(narrow, sizeof narrow, "%x", SpUserUILanguage());
    WCHAR name[8] = {};
    for (int i = 0; narrow[i] && i < 7; ++i) name[i] = static_cast<WCHAR>(narrow[i]);
    HRESULT hr = token->GetStringValue(name, description);
    if (hr == SPERR_NOT_FOUND) hr = token->GetStringValue(nullptr, description);
    return hr;
}

HRESULT SpCreateDefaultObjectFromCategoryId(LPCWSTR categoryId, REFIID iid, void** object)
{
    if (!object) return E_POINTER;
    *object = nullptr;
    ISpObjectTokenCategory* category = nullptr;
    HRESULT hr = CoCreateInstance(CLSID_SpObjectTokenCategory, nullptr, CLSCTX_ALL, IID_ISpObjectTokenCategory,
                                  reinterpret_cast<void**>(&category));
    if (SUCCEEDED(hr)) hr = category->SetId(categoryId, TRUE);
    LPWSTR tokenId = nullptr;
    if (SUCCEEDED(hr)) hr = category->GetDefaultTokenId(&tokenId);
    ISpObjectToken* token = nullptr;
    if (SUCCEEDED(hr))
        hr = CoCreateInstance(CLSID_SpObjectToken, nullptr, CLSCTX_ALL, IID_ISpObjectToken,
                              reinterpret_cast<void**>(&token));
    if (SUCCEEDED(hr)) hr = token->SetId(nullptr, tokenId, FALSE);
    if (SUCCEEDED(hr)) hr = token->CreateInstance(nullptr, CLSCTX_ALL, iid, object);
    SafeRelease(token);
    CoTaskMemFree(tokenId);
    SafeRelease(category);
    return hr;
}

void SpClearEvent(SPEVENT* event)
{
    if (!event) return;
    switch (event->elParamType) {
    case SPET_LPARAM_IS_TOKEN:
    case SPET_LPARAM_IS_OBJECT:
        if (event->lParam) reinterpret_cast<IUnknown*>(event->lParam)->Release();
        break;
    case SPET_LPARAM_IS_POINTER:
    case SPET_LPARAM_IS_STRING:
        CoTaskMemFree(reinterpret_cast<void*>(event->lParam));
        break;
    default: break;
    }
    std::memset(event, 0, sizeof *event);
}
