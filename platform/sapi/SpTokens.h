#pragma once
// Object tokens: named entries of a category (voices, audio outputs) that carry a
// description and create the object they stand for.
#include "sapi/SapiTypes.h"

struct ISpObjectToken : IUnknown {
    static constexpr IID kIid = {0x71D7DAE9, 0x6419, 0x4A48, {0x82, 0x67, 0x23, 0x36, 0x4A, 0x58, 0x0E, 0x9C}};
    using Base = IUnknown;
    // Binds a fresh token to an existing token id of the category.
    virtual HRESULT SetId(LPCWSTR categoryId, LPCWSTR tokenId, BOOL createIfNotExist) = 0;
    virtual HRESULT GetId(LPWSTR* tokenId) = 0;
    // A null or empty name reads the default value. SPERR_NOT_FOUND when absent.
    virtual HRESULT GetStringValue(LPCWSTR valueName, LPWSTR* value) = 0;
    virtual HRESULT CreateInstance(IUnknown* outer, DWORD context, REFIID iid, void** object) = 0;
};

struct IEnumSpObjectTokens : IUnknown {
    static constexpr IID kIid = {0x2AF49805, 0x0E98, 0x45C9, {0x9E, 0xA4, 0xAD, 0x1B, 0x0E, 0xE2, 0x38, 0xC1}};
    using Base = IUnknown;
    virtual HRESULT Next(ULONG count, ISpObjectToken** tokens, ULONG* fetched) = 0;
    virtual HRESULT Skip(ULONG count) = 0;
    virtual HRESULT Reset() = 0;
    virtual HRESULT Item(ULONG index, ISpObjectToken** token) = 0;
    virtual HRESULT GetCount(ULONG* count) = 0;
};

struct ISpObjectTokenCategory : IUnknown {
    static constexpr IID kIid = {0x69FF810E, 0xDDEA, 0x4E71, {0x87, 0x15, 0xEC, 0xE4, 0x90, 0x1F, 0x73, 0x94}};
    using Base = IUnknown;
    virtual HRESULT SetId(LPCWSTR categoryId, BOOL createIfNotExist) = 0;
    virtual HRESULT GetId(LPWSTR* categoryId) = 0;
    virtual HRESULT EnumTokens(LPCWSTR requiredAttributes, LPCWSTR optionalAttributes, IEnumSpObjectTokens** tokens) = 0;
    virtual HRESULT GetDefaultTokenId(LPWSTR* tokenId) = 0;
};

inline constexpr const IID& IID_ISpObjectToken = ISpObjectToken::kIid;
inline constexpr const IID& IID_IEnumSpObjectTokens = IEnumSpObjectTokens::kIid;
inline constexpr const IID& IID_ISpObjectTokenCategory = ISpObjectTokenCategory::kIid;
