#pragma once
// The known categories and their tokens: the engine's voices and the default audio
// output. Tokens are made once per engine and shared, so the same voice is always
// the same token object.
#include "sapi/SpTokens.h"

#include <string>
#include <vector>

class CSpTokenCatalog {
public:
    // The category's canonical id, or empty when unknown (compared without case).
    static std::u16string FindCategory(const std::u16string& categoryId);
    // The tokens of a category, each with one reference for the caller.
    static std::vector<ISpObjectToken*> Tokens(const std::u16string& categoryId);
    // A token by its id, with one reference; null when unknown.
    static ISpObjectToken* FindToken(const std::u16string& tokenId);
    static std::u16string DefaultTokenId(const std::u16string& categoryId);
    // The engine's voice name behind a voice token id; empty when it is not one.
    static std::string EngineVoiceOf(const std::u16string& tokenId);
    static std::u16string VoiceTokenPrefix();
    // A token's id; empty when it gives none.
    static std::u16string IdOf(ISpObjectToken* token);
};
