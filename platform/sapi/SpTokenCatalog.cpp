#include "sapi/SpTokenCatalog.h"

#include "sapi/SpObjectToken.h"
#include "sapi/SpeechEngine.h"
#include "sapi/WideText.h"
#include "com/ComRuntime.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
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

// The language tags a new user most likely reads, best first: the locale's own
// ("de_DE.UTF-8" gives "de-DE" and "de"), then English.
std::vector<std::string> PreferredLanguages()
{
    std::vector<std::string> wanted;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (!value || !*value) continue;
        std::string locale(value);
        locale = locale.substr(0, locale.find_first_of(".@"));
        if (locale == "C" || locale == "POSIX") break;
        std::replace(locale.begin(), locale.end(), '_', '-');
        wanted.push_back(locale);
        if (locale.find('-') != std::string::npos) wanted.push_back(locale.substr(0, locale.find('-')));
        break;
    }
    wanted.push_back("en-US");
    wanted.push_back("en");
    return wanted;
}

// An engine names a voice by a path whose last part is its language tag ("gmw/en-US").
bool SpeaksLanguage(const std::string& voiceId, const std::string& tag)
{
    const std::string last = voiceId.substr(voiceId.find_last_of('/') + 1);
    return last.size() == tag.size() &&
           std::equal(last.begin(), last.end(), tag.begin(), [](char a, char b) { return std::tolower(a) == std::tolower(b); });
}

// Where the default voice sits in the engine's list: the first speaking the best preferred
// language, else the first voice.
size_t DefaultVoiceIndex(const std::vector<CEngineVoice>& voices)
{
    for (const std::string& tag : PreferredLanguages())
        for (size_t i = 0; i < voices.size(); ++i)
            if (SpeaksLanguage(voices[i].id, tag)) return i;
    return 0;
}

// Fills the voice tokens for the current engine (again when a test changed it).
void Refresh(Catalog& c)
{
    CSpeechEngine* engine = &CSpeechEngine::Current();
    if (c.engine == engine && c.audioOut) return;
    for (CSpObjectToken* token : c.voices) token->Release();
    c.voices.clear();
    c.engine = engine;
    std::vector<CEngineVoice> voices = engine->Voices();
    // The default voice leads the list: programs take the first listed voice for a new user.
    if (!voices.empty()) {
        const auto chosen = voices.begin() + std::ptrdiff_t(DefaultVoiceIndex(voices));
        std::rotate(voices.begin(), chosen, chosen + 1);
    }
    for (const CEngineVoice& voice : voices) {
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


} // namespace

std::u16string CSpTokenCatalog::IdOf(ISpObjectToken* token)
{
    LPWSTR id = nullptr;
    std::u16string result;
    if (SUCCEEDED(token->GetId(&id)) && id) result = id;
    CoTaskMemFree(id);
    return result;
}

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
    // The list leads with the default voice (and the one audio output).
    std::vector<ISpObjectToken*> tokens = Tokens(categoryId);
    std::u16string chosen = tokens.empty() ? std::u16string() : IdOf(tokens.front());
    for (ISpObjectToken* token : tokens) token->Release();
    return chosen;
}

std::string CSpTokenCatalog::EngineVoiceOf(const std::u16string& tokenId)
{
    std::u16string prefix = VoiceTokenPrefix();
    if (tokenId.size() <= prefix.size() || !SameNoCase(tokenId.substr(0, prefix.size()), prefix)) return {};
    return SpNarrow(tokenId.substr(prefix.size()));
}
