#include "UPersistUtils.h"

#include "CHandle.h"
#include "CPersistObject.h"
#include "CPersistStorage.h"
#include "StLoadRestorer.h"
#include "UFileUtils.h"
#include "UHexConverter.h"

#include <cstring>

void UPersistUtils::Load(CPersistStorage& storage, const char* name, CString& text)
{
    ULONG length = 0;
    storage.LoadStringLength(name, length);
    if (length < 1) length = 1;
    char* buffer = text.GetBuffer(static_cast<int>(length));
    storage.Load(name, buffer);
    text.ReleaseBuffer();
}

bool UPersistUtils::Load(const char* path, CPersistObject& object)
{
    CHandle bytes;
    if (!UFileUtils::ReadFile(path, bytes)) return false;
    StLoadRestorer restorer(object);
    object.Clear();
    CPersistStorage storage;
    storage.SetData(bytes.GetBuffer(), bytes.GetSize());
    object.Load("Settings", storage);
    return restorer.Finish(storage);
}

bool UPersistUtils::Save(const char* path, CPersistObject& object)
{
    CPersistStorage storage;
    object.Save("Settings", storage);
    ULONG size = 0;
    unsigned char* data = storage.GetData(size);
    return UFileUtils::WriteFile(path, data, size, storage.HoldsSecret());
}

CString UPersistUtils::Encrypt(const char* text)
{
    if (!text || !*text) return CString();
    // Byte by byte into the result: the shared text ring would cut long texts.
    size_t length = std::strlen(text);
    CString scrambled;
    char* out = scrambled.GetBufferSetLength(static_cast<int>(2 * length));
    for (size_t i = 0; i < length; ++i)
        UHexConverter::MakeText(reinterpret_cast<const unsigned char*>(text + i), out + 2 * i, true);
    return scrambled;
}

CString UPersistUtils::Decrypt(const char* text)
{
    if (!text || !*text) return CString();
    size_t length = std::strlen(text) / 2;
    CString plain;
    char* out = plain.GetBufferSetLength(static_cast<int>(length));
    for (size_t i = 0; i < length; ++i) out[i] = static_cast<char>(UHexConverter::MakeBinary(text + 2 * i, true));
    // A damaged value may decode to a zero byte; the text ends there.
    plain.ReleaseBuffer();
    return plain;
}

void UPersistUtils::DecryptLoad(CPersistStorage& storage, const char* name, CString& text)
{
    CString stored;
    Load(storage, name, stored);
    text = Decrypt(stored);
}
