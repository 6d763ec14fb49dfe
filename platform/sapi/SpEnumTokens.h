#pragma once
// A fixed list of tokens handed out one after another.
#include "com/ComObject.h"
#include "sapi/SpTokens.h"

#include <vector>

class CSpEnumTokens : public TComObject<IEnumSpObjectTokens> {
public:
    // Takes over one reference of each token.
    explicit CSpEnumTokens(std::vector<ISpObjectToken*> tokens) : m_tokens(std::move(tokens)) {}

    HRESULT Next(ULONG count, ISpObjectToken** tokens, ULONG* fetched) override;
    HRESULT Skip(ULONG count) override;
    HRESULT Reset() override;
    HRESULT Item(ULONG index, ISpObjectToken** token) override;
    HRESULT GetCount(ULONG* count) override;

protected:
    ~CSpEnumTokens() override;

private:
    std::vector<ISpObjectToken*> m_tokens;
    size_t m_next = 0;
};
