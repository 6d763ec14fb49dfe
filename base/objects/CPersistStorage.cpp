#include "CPersistStorage.h"

#include "UByteSwapper.h"
#include "UGuidUtils.h"

#include <cstdio>
#include <cstring>
#include <type_traits>

// Every byte written is replaced by its entry here; streams read back only with this table.
const unsigned char CPersistStorage::sSaveLookup[256] = {
    0x5B, 0x02, 0xA9, 0x50, 0xF7, 0x9E, 0x45, 0xEC, 0x93, 0x3A, 0xE1, 0x88, 0x2F, 0xD6, 0x7D, 0x24,
    0xCB, 0x72, 0x19, 0xC0, 0x67, 0x0E, 0xB5, 0x5C, 0x03, 0xAA, 0x51, 0xF8, 0x9F, 0x46, 0xED, 0x94,
    0x3B, 0xE2, 0x89, 0x30, 0xD7, 0x7E, 0x25, 0xCC, 0x73, 0x1A, 0xC1, 0x68, 0x0F, 0xB6, 0x5D, 0x04,
    0xAB, 0x52, 0xF9, 0xA0, 0x47, 0xEE, 0x95, 0x3C, 0xE3, 0x8A, 0x31, 0xD8, 0x7F, 0x26, 0xCD, 0x74,
    0x1B, 0xC2, 0x69, 0x10, 0xB7, 0x5E, 0x05, 0xAC, 0x53, 0xFA, 0xA1, 0x48, 0xEF, 0x96, 0x3D, 0xE4,
    0x8B, 0x32, 0xD9, 0x80, 0x27, 0xCE, 0x75, 0x1C, 0xC3, 0x6A, 0x11, 0xB8, 0x5F, 0x06, 0xAD, 0x54,
    0xFB, 0xA2, 0x49, 0xF0, 0x97, 0x3E, 0xE5, 0x8C, 0x33, 0xDA, 0x81, 0x28, 0xCF, 0x76, 0x1D, 0xC4,
    0x6B, 0x12, 0xB9, 0x60, 0x07, 0xAE, 0x55, 0xFC, 0xA3, 0x4A, 0xF1, 0x98, 0x3F, 0xE6, 0x8D, 0x34,
    0xDB, 0x82, 0x29, 0xD0, 0x77, 0x1E, 0xC5, 0x6C, 0x13, 0xBA, 0x61, 0x08, 0xAF, 0x56, 0xFD, 0xA4,
    0x4B, 0xF2, 0x99, 0x40, 0xE7, 0x8E, 0x35, 0xDC, 0x83, 0x2A, 0xD1, 0x78, 0x1F, 0xC6, 0x6D, 0x14,
    0xBB, 0x62, 0x09, 0xB0, 0x57, 0xFE, 0xA5, 0x4C, 0xF3, 0x9A, 0x41, 0xE8, 0x8F, 0x36, 0xDD, 0x84,
    0x2B, 0xD2, 0x79, 0x20, 0xC7, 0x6E, 0x15, 0xBC, 0x63, 0x0A, 0xB1, 0x58, 0xFF, 0xA6, 0x4D, 0xF4,
    0x9B, 0x42, 0xE9, 0x90, 0x37, 0xDE, 0x85, 0x2C, 0xD3, 0x7A, 0x21, 0xC8, 0x6F, 0x16, 0xBD, 0x64,
    0x0B, 0xB2, 0x59, 0x00, 0xA7, 0x4E, 0xF5, 0x9C, 0x43, 0xEA, 0x91, 0x38, 0xDF, 0x86, 0x2D, 0xD4,
    0x7B, 0x22, 0xC9, 0x70, 0x17, 0xBE, 0x65, 0x0C, 0xB3, 0x5A, 0x01, 0xA8, 0x4F, 0xF6, 0x9D, 0x44,
    0xEB, 0x92, 0x39, 0xE0, 0x87, 0x2E, 0xD5, 0x7C, 0x23, 0xCA, 0x71, 0x18, 0xBF, 0x66, 0x0D, 0xB4,
};
unsigned char CPersistStorage::sLoadLookup[256];
bool CPersistStorage::sInitialized = CPersistStorage::Initialize();

namespace {

// The names of a handle's two values: "<name> size" and "<name> data".
struct HandleNames {
    char size[256];
    char data[256];
    explicit HandleNames(const char* name)
    {
        if (!name) name = "";
        std::snprintf(size, sizeof size, "%.250s size", name);
        std::snprintf(data, sizeof data, "%.250s data", name);
    }
};

// Integers are stored most significant byte first; floating point values and single bytes as they are.
template <typename T>
T StoredOrder(T value)
{
    if constexpr (std::is_integral_v<T> && sizeof(T) > 1)
        return UByteSwapper::SwapData(value);
    else
        return value;
}

template <typename T>
void SaveValue(CPersistStorage& storage, const char* name, T value)
{
    value = StoredOrder(value);
    storage.Save(name, reinterpret_cast<const unsigned char*>(&value), sizeof value);
}

template <typename T>
void LoadValue(CPersistStorage& storage, const char* name, T& value)
{
    T stored{};
    storage.Load(name, reinterpret_cast<unsigned char*>(&stored), sizeof stored);
    value = StoredOrder(stored);
}

}

bool CPersistStorage::Initialize()
{
    for (int i = 0; i < 256; ++i) sLoadLookup[sSaveLookup[i]] = static_cast<unsigned char>(i);
    return true;
}

CPersistStorage::CPersistStorage() = default;

CPersistStorage::CPersistStorage(const CPersistStorage& other)
    : m_stream(other.m_stream), m_cursor(other.m_cursor), m_cursorSet(other.m_cursorSet),
      m_loadFailed(other.m_loadFailed), m_secret(other.m_secret)
{
}

CPersistStorage& CPersistStorage::operator=(const CPersistStorage& other)
{
    if (this == &other) return *this;
    m_stream = other.m_stream;
    m_cursor = other.m_cursor;
    m_cursorSet = other.m_cursorSet;
    m_loadFailed = other.m_loadFailed;
    m_secret = other.m_secret;
    m_peeked = false;
    return *this;
}

CPersistStorage::~CPersistStorage() = default;

void CPersistStorage::EnterObject(const char*) {}

bool CPersistStorage::IsObjectMissing(const char* name)
{
    m_objectMissing = false;
    EnterObject(name);
    bool missing = m_objectMissing;
    LeaveObject();
    m_objectMissing = false;
    return missing;
}

void CPersistStorage::LeaveObject() {}

bool CPersistStorage::EnterLoadLevel()
{
    if (m_loadDepth >= kMaxLoadDepth) {
        m_loadFailed = true;
        return false;
    }
    ++m_loadDepth;
    return true;
}

void CPersistStorage::LeaveLoadLevel()
{
    if (m_loadDepth > 0) --m_loadDepth;
}

void CPersistStorage::Save(const char* name, const GUID& value)
{
    Save(name, UGuidUtils::GuidToString(value));
}

void CPersistStorage::Save(const char* name, const CHandle& value)
{
    HandleNames names(name);
    ULONG size = value.GetSize();
    Save(names.size, size);
    if (size != 0) Save(names.data, value.GetBuffer(), size);
}

void CPersistStorage::Save(const char* name, const char* text)
{
    if (!text) text = "";
    ULONG length = static_cast<ULONG>(std::strlen(text) + 1);
    Save(name, length);
    Save(name, reinterpret_cast<const unsigned char*>(text), length);
}

void CPersistStorage::Save(const char* name, float value) { SaveValue(*this, name, value); }
void CPersistStorage::Save(const char* name, double value) { SaveValue(*this, name, value); }
void CPersistStorage::Save(const char* name, __int64 value) { SaveValue(*this, name, value); }
void CPersistStorage::Save(const char* name, LONG value) { SaveValue(*this, name, value); }
void CPersistStorage::Save(const char* name, ULONG value) { SaveValue(*this, name, value); }
void CPersistStorage::Save(const char* name, short value) { SaveValue(*this, name, value); }
void CPersistStorage::Save(const char* name, unsigned short value) { SaveValue(*this, name, value); }
void CPersistStorage::Save(const char* name, char value) { SaveValue(*this, name, value); }
void CPersistStorage::Save(const char* name, unsigned char value) { SaveValue(*this, name, value); }

void CPersistStorage::Save(const char* name, bool value)
{
    SaveValue(*this, name, static_cast<unsigned char>(value ? 1 : 0));
}

void CPersistStorage::Save(const char*, const unsigned char* bytes, ULONG length)
{
    uint32_t start = m_stream.GetSize();
    if (length == 0 || !m_stream.Append(bytes, length)) return;
    unsigned char* p = m_stream.GetPtr(start);
    for (ULONG i = 0; i < length; ++i) p[i] = sSaveLookup[p[i]];
}

void CPersistStorage::ResetLoad(bool force)
{
    if (!m_cursorSet || force) {
        m_cursor = 0;
        m_cursorSet = true;
        if (force) m_loadFailed = false;
        m_peeked = false;
    }
}

bool CPersistStorage::Take(ULONG n, uint32_t& offset)
{
    ResetLoad(false);
    if (m_loadFailed || n > m_stream.GetSize() - m_cursor) {
        m_loadFailed = true;
        return false;
    }
    offset = m_cursor;
    m_cursor += n;
    return true;
}

void CPersistStorage::Load(const char*, unsigned char* bytes, ULONG length)
{
    uint32_t offset;
    if (!Take(length, offset)) {
        if (bytes && length) std::memset(bytes, 0, length);
        return;
    }
    const unsigned char* p = m_stream.GetPtr(offset);
    for (ULONG i = 0; i < length; ++i) bytes[i] = sLoadLookup[p[i]];
}

void CPersistStorage::Load(const char* name, GUID& value)
{
    char text[64];
    Load(name, text, sizeof text);
    value = UGuidUtils::GuidFromString(text);
}

void CPersistStorage::Load(const char* name, CHandle& value)
{
    HandleNames names(name);
    ULONG size = 0;
    Load(names.size, size);
    if (size != 0 && !LoadFailed() && size > m_stream.GetSize() - m_cursor) FailLoad();
    // A count beyond what the stream holds fails before anything is allocated for it.
    if (size == 0 || LoadFailed()) {
        value.Clear();
        return;
    }
    if (!value.Allocate(size, false)) {
        FailLoad();
        value.Clear();
        return;
    }
    Load(names.data, value.GetBuffer(), size);
    if (LoadFailed()) value.Clear();
}

void CPersistStorage::Load(const char* name, LONG* value)
{
    if (value) Load(name, *value);
}

bool CPersistStorage::LoadTextLength(const char* name, ULONG& length)
{
    length = 0;
    Load(name, length);
    if (LoadFailed()) return false;
    if (length > m_stream.GetSize() - m_cursor) {
        FailLoad();
        return false;
    }
    return true;
}

void CPersistStorage::Load(const char* name, char* buffer, ULONG size)
{
    ULONG length;
    bool ok = LoadTextLength(name, length);
    if (size == 0) {
        if (ok) m_cursor += length;
        return;
    }
    buffer[0] = 0;
    if (!ok) return;
    ULONG kept = length < size - 1 ? length : size - 1;
    Load(name, reinterpret_cast<unsigned char*>(buffer), kept);
    buffer[kept] = 0;
    // The part of a long text that does not fit is passed over.
    m_cursor += length - kept;
}

void CPersistStorage::Load(const char* name, char* buffer)
{
    ResetLoad(false);
    bool known = m_peeked && m_peekedAt == m_cursor;
    ULONG room = m_peekedLength;
    m_peeked = false;
    if (!known) {
        buffer[0] = 0;
        FailLoad();
        return;
    }
    ULONG length;
    if (!LoadTextLength(name, length) || length != room || length == 0) {
        buffer[0] = 0;
        FailLoad();
        return;
    }
    Load(name, reinterpret_cast<unsigned char*>(buffer), length);
    buffer[length - 1] = 0;
}

void CPersistStorage::LoadStringLength(const char* name, ULONG& length)
{
    ResetLoad(false);
    uint32_t at = m_cursor;
    m_peeked = false;
    // Callers size buffers by this: a length the stream cannot hold fails the load.
    if (!LoadTextLength(name, length)) {
        length = 0;
        return;
    }
    m_cursor = at;
    m_peeked = true;
    m_peekedAt = at;
    m_peekedLength = length;
}

void CPersistStorage::Load(const char* name, float& value) { LoadValue(*this, name, value); }
void CPersistStorage::Load(const char* name, double& value) { LoadValue(*this, name, value); }
void CPersistStorage::Load(const char* name, __int64& value) { LoadValue(*this, name, value); }
void CPersistStorage::Load(const char* name, LONG& value) { LoadValue(*this, name, value); }
void CPersistStorage::Load(const char* name, ULONG& value) { LoadValue(*this, name, value); }
void CPersistStorage::Load(const char* name, short& value) { LoadValue(*this, name, value); }
void CPersistStorage::Load(const char* name, unsigned short& value) { LoadValue(*this, name, value); }
void CPersistStorage::Load(const char* name, char& value) { LoadValue(*this, name, value); }
void CPersistStorage::Load(const char* name, unsigned char& value) { LoadValue(*this, name, value); }

void CPersistStorage::Load(const char* name, bool& value)
{
    unsigned char stored = 0;
    LoadValue(*this, name, stored);
    value = stored != 0;
}

unsigned char* CPersistStorage::GetData(ULONG& size)
{
    size = m_stream.GetSize();
    return m_stream.GetBuffer();
}

void CPersistStorage::SetData(const unsigned char* bytes, ULONG size)
{
    // The bytes may be this storage's own (GetData): copy before letting go of them.
    CHandle copy;
    if (bytes && size) copy.Append(bytes, size);
    m_stream = copy;
    m_cursorSet = false;
    m_cursor = 0;
    m_loadFailed = false;
    m_loadDepth = 0;
    m_peeked = false;
}
