#include "sapi/SpTokenCatalog.h"

#include "sapi/SpObjectToken.h"
#include "sapi/SpeechEngine.h"
#include "sapi/WideText.h"
#include "com/ComRuntime.h"

#include <mutex>

namespace {

struct Catalog {
    std::mutex lock;
    CSpeechEngine* engine = nullptr;
    std::vector<CSpObjectToken*> voices; // one reference each, for the process' life
    CSpObjectToken* audioOut = nullptr;
};

Catalog& TheCatalog()
{
    static Catalog* catalog = new Catalog; // outlives every static user
    return *catalog;
}

bool SameNoCase(const std::u16string& a, const std::u16string& b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char16_t x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char16_t>(x - 32);
        if (y >= 'a' && y <= 'z') y = static_cast<char16_t>(y - 32);
        if (x != y) return false;
    }
    return true;
}

const std::u16string kTokens = u"\\Tokens\\";

// Fills the voice tokens for the current engine (again when a test changed it).
void Refresh(Catalog& c)
{
    CSpeechEngine* engine = &CSpeechEngine::Current();
    if (c.engine == engine && c.audioOut) return;
    for (CSpObjectToken* token : c.voices) token->Release();
    c.voices.clear();
    c.engine = engine;
    for (const CEngineVoice& voice : engine->Voices()) {
        auto data = std::make_shared<CTokenData>();
        data->id = CSpTokenCatalog::VoiceTokenPrefix() + SpWiden(voice.id);
        data->description = SpWiden(voice.description);
        c.voices.push_back(new CSpObjectToken(std::move(data)));
    }
    if (!c.audioOut) {
        auto data = std::make_shared<CTokenData>();
        data->id = std::u16string(SPCAT_AUDIOOUT) + kTokens + u"Default";
        data->description = u"Default audio output";
        data->objectClass = CLSID_SpMMAudioOut;
        c.audioOut = new CSpObjectToken(std::move(data));
    }
}

std::u16string IdOf(ISpObjectToken* token)
{
    LPWSTR id = nullptr;
    std::u16string result;
    if (SUCCEEDED(token->GetId(&id)) && id) result = id;
    CoTaskMemFree(id);
    return result;
}

} // namespace

std::u16string CSpTokenCatalog::VoiceTokenPrefix()
{
    return std::u16string(SPCAT_VOICES) + kTokens;
}

std::u16string CSpTokenCatalog::FindCategory(const std::u16string& categoryId)
{
    if (SameNoCase(categoryId, SPCAT_VOICES)) return SPCAT_VOICES;
    if (SameNoCase(categoryId, SPCAT_AUDIOOUT)) return SPCAT_AUDIOOUT;
    return {};
}

std::vector<ISpObjectToken*> CSpTokenCatalog::Tokens(const std::u16string& categoryId)
{
    Catalog& c = TheCatalog();
    std::lock_guard<std::mutex> guard(c.lock);
    Refresh(c);
    std::vector<ISpObjectToken*> tokens;
    std::u16string category = FindCategory(categoryId);
    if (category == SPCAT_VOICES)
        for (CSpObjectToken* token : c.voices) tokens.push_back(token);
    else if (category == SPCAT_AUDIOOUT)
        tokens.push_back(c.audioOut);
    for (ISpObjectToken* token : tokens) token->AddRef();
    return tokens;
}

ISpObjectToken* CSpTokenCatalog::FindToken(const std::u16string& tokenId)
{
    for (const char16_t* category : {SPCAT_VOICES, SPCAT_AUDIOOUT}) {
        ISpObjectToken* found = nullptr;
        for (ISpObjectToken* token : Tokens(category)) {
            if (!found && SameNoCase(IdOf(token), tokenId)) {
                found = token;
                continue;
            }
            token->Release();
        }
        if (found) return found;
    }
    return nullptr;
}

std::u16string CSpTokenCatalog::DefaultTokenId(const std::u16string& categoryId)
{
    std::vector<ISpObjectToken*> tokens = Tokens(categoryId);
    std::u16string chosen;
    // The default voice is English when installed, else the first listed.
    const std::u16string preferred[] = {VoiceTokenPrefix() + u"gmw/en-US", VoiceTokenPrefix() + u"gmw/en"};
    for (const std::u16string& wanted : preferred)
        for (ISpObjectToken* token : tokens)
            if (chosen.empty() && SameNoCase(IdOf(token), wanted)) chosen = IdOf(token);
    if (chosen.empty() && !tokens.empty()) chosen = IdOf(tokens.front());
    for (ISpObjectToken* token : tokens) token->Release();
    return chosen;
}

std::string CSpTokenCatalog::EngineVoiceOf(const std::u16string& tokenId)
{
    std::u16string prefix = VoiceTokenPrefix();
    if (tokenId.size() <= prefix.size() || !SameNoCase(tokenId.substr(0, prefix.size()), prefix)) return {};
    return SpNarrow(tokenId.substr(prefix.size()));
}
