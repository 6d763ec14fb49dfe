#include "CRegistryPersistStorage.h"

#include "CHandle.h"
#include "CIniProfile.h"
#include "CRegistry.h"
#include "UStringUtils.h"
#include "UXmlValues.h"
#include "win32/settings/SettingsBatch.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr const char* kHasData = "Has Data";

} // namespace

CRegistryPersistStorage::CRegistryPersistStorage(const char* section, const char* iniFile)
    : m_section(section ? section : "")
{
    if (iniFile) {
        m_profile = new CIniProfile;
        m_profile->SetIniFile(iniFile);
    }
}

CRegistryPersistStorage::~CRegistryPersistStorage()
{
    // Only a save marks the section: a load from an empty one must leave it empty.
    WriteSaved();
    delete m_profile;
}

void CRegistryPersistStorage::BeginSave()
{
    if (!m_batch) m_batch = std::make_unique<MvSettingsBatch>();
}

void CRegistryPersistStorage::WriteSaved()
{
    if (!m_batch) return;
    if (m_saved) CRegistry(m_section, kHasData, m_profile).SetValue(1);
    if (HoldsSecret()) m_batch->KeepPrivate();
    m_batch.reset();
}


bool CRegistryPersistStorage::HasData()
{
    return CRegistry(m_section, kHasData, m_profile).GetValue(0) != 0;
}

CString CRegistryPersistStorage::GetKey() const
{
    CString key;
    key.Format("%d", m_counter);
    return key;
}

void CRegistryPersistStorage::SaveValue(ULONG value)
{
    BeginSave();
    CRegistry(m_section, GetKey(), m_profile).SetValue(value);
    m_saved = true;
    m_counter++;
}

void CRegistryPersistStorage::SaveString(const char* text)
{
    BeginSave();
    CRegistry(m_section, GetKey(), m_profile).SetTextValue(text ? text : "");
    m_saved = true;
    m_counter++;
}

ULONG CRegistryPersistStorage::LoadValue()
{
    if (m_counter >= kMaxValues) {
        FailLoad();
        return 0;
    }
    ULONG value = CRegistry(m_section, GetKey(), m_profile).GetValue(0);
    m_counter++;
    return value;
}

CString CRegistryPersistStorage::LoadString()
{
    if (m_counter >= kMaxValues) {
        FailLoad();
        return CString();
    }
    CString text = CRegistry(m_section, GetKey(), m_profile).GetTextValue("");
    m_counter++;
    return text;
}

void CRegistryPersistStorage::Save(const char*, const char* text)
{
    if (!text) text = "";
    SaveValue(static_cast<ULONG>(std::strlen(text) + 1));
    SaveString(text);
}

void CRegistryPersistStorage::Save(const char* name, float value)
{
    Save(name, static_cast<double>(value));
}

void CRegistryPersistStorage::Save(const char*, double value)
{
    SaveString(UXmlValues::FormatDouble(value));
}

void CRegistryPersistStorage::Save(const char*, LONG value)
{
    SaveValue(static_cast<ULONG>(value));
}

void CRegistryPersistStorage::Save(const char*, ULONG value)
{
    SaveValue(value);
}

void CRegistryPersistStorage::Save(const char*, short value)
{
    SaveValue(static_cast<ULONG>(static_cast<LONG>(value)));
}

void CRegistryPersistStorage::Save(const char*, unsigned short value)
{
    SaveValue(value);
}

void CRegistryPersistStorage::Save(const char*, bool value)
{
    SaveValue(value ? 1 : 0);
}

void CRegistryPersistStorage::Save(const char*, char value)
{
    SaveValue(static_cast<ULONG>(static_cast<LONG>(value)));
}

void CRegistryPersistStorage::Save(const char*, unsigned char value)
{
    SaveValue(value);
}

void CRegistryPersistStorage::Save(const char*, const unsigned char* bytes, ULONG length)
{
    // Chunks of 255 bytes; the last one takes the rest (1 to 255 bytes).
    for (ULONG offset = 0; offset < length; offset += kChunkBytes) {
        ULONG chunk = std::min(kChunkBytes, length - offset);
        SaveString(UXmlValues::EncodeHex(bytes + offset, chunk));
    }
}

void CRegistryPersistStorage::ResetLoad(bool force)
{
    if (force) m_counter = 0;
    m_peekedLength = 0;
}

void CRegistryPersistStorage::Load(const char* name, CHandle& value)
{
    ULONG size = 0;
    Load(name, size);
    value.Clear();
    // Chunk by chunk, so that a damaged count costs no more memory than the stored data.
    unsigned char chunk[kChunkBytes];
    while (value.GetSize() < size) {
        ULONG want = std::min<ULONG>(kChunkBytes, size - value.GetSize());
        if (LoadBytes(chunk, want) != want || !value.Append(chunk, want)) break;
    }
    if (value.GetSize() != size) {
        FailLoad();
        value.Clear();
    }
}

void CRegistryPersistStorage::Load(const char*, char* buffer, ULONG size)
{
    LoadValue();
    CString text = LoadString();
    if (!buffer || size == 0) return;
    int kept = static_cast<int>(std::min<ULONG>(static_cast<ULONG>(text.GetLength()), size - 1));
    UStringUtils::strncpy(buffer, text.GetString(), kept);
    buffer[kept] = '\0';
}

void CRegistryPersistStorage::Load(const char*, char* buffer)
{
    ULONG room = m_peekedLength;
    m_peekedLength = 0;
    CString text = LoadString();
    if (!buffer || room == 0) return;
    int kept = static_cast<int>(std::min<ULONG>(static_cast<ULONG>(text.GetLength()), room - 1));
    UStringUtils::strncpy(buffer, text.GetString(), kept);
    buffer[kept] = '\0';
}

void CRegistryPersistStorage::LoadStringLength(const char*, ULONG& length)
{
    length = LoadValue();
    // A damaged length may claim far more than the text after it holds; callers size their
    // buffers by it, so it is bounded by that text.
    if (length > 1) {
        const ULONG held = static_cast<ULONG>(std::strlen(CRegistry(m_section, GetKey(), m_profile).GetTextValue(""))) + 1;
        length = std::min(length, held);
    }
    m_peekedLength = length;
}

void CRegistryPersistStorage::Load(const char* name, float& value)
{
    double number = 0;
    Load(name, number);
    value = static_cast<float>(number);
}

void CRegistryPersistStorage::Load(const char*, double& value)
{
    value = UXmlValues::ParseDouble(LoadString());
}

void CRegistryPersistStorage::Load(const char*, LONG& value)
{
    value = static_cast<LONG>(LoadValue());
}

void CRegistryPersistStorage::Load(const char*, ULONG& value)
{
    value = LoadValue();
}

void CRegistryPersistStorage::Load(const char*, short& value)
{
    value = static_cast<short>(LoadValue());
}

void CRegistryPersistStorage::Load(const char*, unsigned short& value)
{
    value = static_cast<unsigned short>(LoadValue());
}

void CRegistryPersistStorage::Load(const char*, bool& value)
{
    value = LoadValue() != 0;
}

void CRegistryPersistStorage::Load(const char*, char& value)
{
    value = static_cast<char>(LoadValue());
}

void CRegistryPersistStorage::Load(const char*, unsigned char& value)
{
    value = static_cast<unsigned char>(LoadValue());
}

ULONG CRegistryPersistStorage::LoadBytes(unsigned char* bytes, ULONG length)
{
    ULONG offset = 0;
    while (offset < length) {
        CString text = LoadString();
        ULONG got = std::min<ULONG>(length - offset, UXmlValues::DecodedLength(text));
        // A missing or empty chunk would never advance.
        if (got == 0) break;
        UXmlValues::DecodeHex(text, bytes + offset, got);
        offset += got;
        // An overlong chunk ends the value.
        if (static_cast<ULONG>(text.GetLength()) > 2 * kChunkBytes + 1) break;
    }
    return offset;
}

void CRegistryPersistStorage::Load(const char*, unsigned char* bytes, ULONG length)
{
    ULONG got = LoadBytes(bytes, length);
    if (got < length) {
        std::memset(bytes + got, 0, length - got);
        FailLoad();
    }
}

unsigned char* CRegistryPersistStorage::GetData(ULONG& size)
{
    size = 0;
    return nullptr;
}

void CRegistryPersistStorage::SetData(const unsigned char*, ULONG) {}
