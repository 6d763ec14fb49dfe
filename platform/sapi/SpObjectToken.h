#pragma once
// A token: the id, description and creatable class of one voice or audio output.
#include "com/ComObject.h"
#include "sapi/SpTokens.h"

#include <memory>
#include <string>

struct CTokenData {
    std::u16string id;
    std::u16string description;
    CLSID objectClass = GUID_NULL; // GUID_NULL: nothing to create
};

class CSpObjectToken : public TComObject<ISpObjectToken> {
public:
    CSpObjectToken() = default;
    explicit CSpObjectToken(std::shared_ptr<const CTokenData> data) : m_data(std::move(data)) {}

    HRESULT SetId(LPCWSTR categoryId, LPCWSTR tokenId, BOOL createIfNotExist) override;
    HRESULT GetId(LPWSTR* tokenId) override;
    HRESULT GetStringValue(LPCWSTR valueName, LPWSTR* value) override;
    HRESULT CreateInstance(IUnknown* outer, DWORD context, REFIID iid, void** object) override;

    static HRESULT Create(REFIID iid, void** object);

private:
    std::shared_ptr<const CTokenData> m_data;
};
