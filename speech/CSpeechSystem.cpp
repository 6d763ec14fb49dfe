#include "CSpeechSystem.h"

#include "UStringBuffer.h"
#include "com/ComRuntime.h"
#include "sapi/SpHelpers.h"
#include "sapi/SpTokens.h"

#include <cstring>

namespace {

struct SVoiceEntry {
    CString name;
    CString tokenId;
    ISpObjectToken* token = nullptr; // one reference
};

SVoiceEntry* EntryAt(const CPointerList& list, int index)
{
    return static_cast<SVoiceEntry*>(list.GetAt(index));
}

} // namespace

CSpeechSystem* CSpeechSystem::sSystem = nullptr;

CSpeechSystem::CSpeechSystem()
{
    PopulateVoices();
    if (!sSystem) sSystem = this;
}

CSpeechSystem::CSpeechSystem(const CSpeechSystem& other) : CPointerList()
{
    CopyVoices(other);
}

CSpeechSystem& CSpeechSystem::operator=(const CSpeechSystem& other)
{
    if (this != &other) {
        ClearVoices();
        CopyVoices(other);
    }
    return *this;
}

CSpeechSystem::~CSpeechSystem()
{
    if (sSystem == this) sSystem = nullptr;
    ClearVoices();
}

void CSpeechSystem::CopyVoices(const CSpeechSystem& other)
{
    for (int i = 0; i < other.GetItemCount(); ++i) {
        auto* entry = new SVoiceEntry(*EntryAt(other, i));
        if (entry->token) entry->token->AddRef();
        Add(entry);
    }
}

void CSpeechSystem::PopulateVoices()
{
    ISpObjectTokenCategory* category = nullptr;
    if (FAILED(CoCreateInstance(CLSID_SpObjectTokenCategory, nullptr, CLSCTX_ALL, IID_ISpObjectTokenCategory,
                                reinterpret_cast<void**>(&category))))
        return;
    IEnumSpObjectTokens* tokens = nullptr;
    ULONG count = 0;
    if (SUCCEEDED(category->SetId(SPCAT_VOICES, FALSE)) && SUCCEEDED(category->EnumTokens(nullptr, nullptr, &tokens)) &&
        SUCCEEDED(tokens->GetCount(&count)) && count > 0) {
        ISpObjectToken* token = nullptr;
        while (SUCCEEDED(tokens->Next(1, &token, nullptr)) && token) {
            LPWSTR description = nullptr;
            LPWSTR id = nullptr;
            // A token whose description or id cannot be read is skipped.
            if (SUCCEEDED(SpGetDescription(token, &description)) && SUCCEEDED(token->GetId(&id))) {
                auto* entry = new SVoiceEntry;
                entry->name = UStringBuffer::ToMultiByte(description);
                entry->tokenId = UStringBuffer::ToMultiByte(id);
                entry->token = token;
                token->AddRef();
                Add(entry);
            }
            CoTaskMemFree(description);
            CoTaskMemFree(id);
            token->Release();
            token = nullptr;
        }
    }
    SafeRelease(tokens);
    category->Release();
}

void CSpeechSystem::ClearVoices()
{
    for (int i = 0; i < GetItemCount(); ++i) {
        SVoiceEntry* entry = EntryAt(*this, i);
        SafeRelease(entry->token);
        delete entry;
    }
    RemoveAll();
}

int CSpeechSystem::GetVoiceCount()
{
    return GetItemCount();
}

CString CSpeechSystem::GetVoice(int index)
{
    if (index < 0 || index >= GetItemCount()) return CString();
    return EntryAt(*this, index)->name;
}

ISpObjectToken* CSpeechSystem::GetVoice(const char* name)
{
    if (!name) return nullptr;
    for (int i = 0; i < GetItemCount(); ++i) {
        SVoiceEntry* entry = EntryAt(*this, i);
        if (std::strcmp(entry->name, name) == 0) return entry->token;
    }
    return nullptr;
}
