#pragma once
// A category of tokens opened by its id.
#include "com/ComObject.h"
#include "sapi/SpTokens.h"

#include <string>

class CSpObjectTokenCategory : public TComObject<ISpObjectTokenCategory> {
public:
    HRESULT SetId(LPCWSTR categoryId, BOOL createIfNotExist) override;
    HRESULT GetId(LPWSTR* categoryId) override;
    HRESULT EnumTokens(LPCWSTR requiredAttributes, LPCWSTR optionalAttributes, IEnumSpObjectTokens** tokens) override;
    HRESULT GetDefaultTokenId(LPWSTR* tokenId) override;

    static HRESULT Create(REFIID iid, void** object);

private:
    std::u16string m_id;
    bool m_open = false;
};
