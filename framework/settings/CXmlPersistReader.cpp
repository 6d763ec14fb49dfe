#include "CXmlPersistReader.h"

#include "CXmlNode.h"
#include "CXmlReader.h"
#include "UGuidUtils.h"
#include "UStringUtils.h"
#include "UXmlValues.h"

#include <algorithm>
#include <vector>

CXmlPersistReader::CXmlPersistReader(const char*, const char* path) : m_reader(new CXmlReader)
{
    m_reader->SetFilePath(path);
}

CXmlPersistReader::CXmlPersistReader(const char* text) : m_reader(new CXmlReader)
{
    m_reader->Parse(text);
}

CXmlPersistReader::CXmlPersistReader(CXmlReader* reader) : m_reader(reader ? reader : new CXmlReader) {}

CXmlPersistReader::CXmlPersistReader(CXmlNode* node) : m_reader(new CXmlReader)
{
    m_reader->SetTopNode(node, false);
}

CXmlPersistReader::~CXmlPersistReader()
{
    delete m_reader;
}

void CXmlPersistReader::EnterObject(const char* name)
{
    m_reader->EnterNode(name);
    if (m_reader->InMissingNode()) {
        NoteMissingObject();
        NoteMissing();
    }
}

void CXmlPersistReader::LeaveObject()
{
    m_reader->LeaveNode();
}

bool CXmlPersistReader::HasData() const
{
    return m_reader->HasData();
}

CString CXmlPersistReader::ReadText(const char* name)
{
    CString text = m_reader->ReadValue(name);
    if (text.IsEmpty()) NoteMissing();
    return text;
}

namespace {

unsigned long CountElements(const CXmlNode* node)
{
    if (!node) return 0;
    unsigned long count = 0;
    std::vector<const CXmlNode*> pending{node};
    while (!pending.empty()) {
        const CXmlNode* next = pending.back();
        pending.pop_back();
        ++count;
        for (int i = 0; i < next->GetChildCount(); ++i) pending.push_back(next->GetChild(i));
    }
    return count;
}

}

void CXmlPersistReader::NoteMissing()
{
    if (m_missingLimit == 0)
        m_missingLimit = kMissingReadAllowance + kMissingReadsPerElement * CountElements(m_reader->GetTopNode());
    if (++m_missingReads > m_missingLimit) FailLoad();
}

bool CXmlPersistReader::LoadString(const char* name, CString& text)
{
    CString value = ReadText(name);
    if (value.IsEmpty()) return false;
    text = value;
    return true;
}

bool CXmlPersistReader::LoadValue(const char* name, ULONG& value)
{
    CString text = ReadText(name);
    if (text.IsEmpty()) return false;
    value = static_cast<ULONG>(UXmlValues::ParseLong(text));
    return true;
}

namespace {

template <typename T>
void LoadNumber(CXmlPersistReader& reader, const char* name, T& value)
{
    ULONG number = 0;
    reader.LoadValue(name, number);
    value = static_cast<T>(number);
}

}

void CXmlPersistReader::ResetLoad(bool) {}

void CXmlPersistReader::Load(const char* name, GUID& value)
{
    CString text;
    value = LoadString(name, text) ? UGuidUtils::GuidFromString(text) : GUID_NULL;
}

void CXmlPersistReader::Load(const char* name, CHandle& value)
{
    CString text = ReadText(name);
    uint32_t length = UXmlValues::DecodedLength(text);
    if (length == 0 || !value.Allocate(length, false)) {
        value.Clear();
        return;
    }
    UXmlValues::DecodeHex(text, value.GetBuffer(), length);
}

void CXmlPersistReader::Load(const char* name, LONG* value)
{
    if (value) LoadNumber(*this, name, *value);
}

void CXmlPersistReader::Load(const char* name, char* buffer, ULONG size)
{
    CString text;
    if (!buffer || size == 0 || !LoadString(name, text)) return;
    // Cut to the buffer on a character boundary.
    int kept = static_cast<int>(std::min<ULONG>(static_cast<ULONG>(text.GetLength()), size - 1));
    UStringUtils::strncpy(buffer, text.GetString(), kept);
    buffer[kept] = '\0';
}

void CXmlPersistReader::Load(const char* name, char* buffer)
{
    // Without a size the only bound is the length the caller sized its buffer by.
    if (m_peekedLength == 0 || m_peekedName != CString(name)) return;
    ULONG size = m_peekedLength;
    m_peekedLength = 0;
    Load(name, buffer, size);
}

void CXmlPersistReader::Load(const char* name, float& value)
{
    double number = 0.0;
    Load(name, number);
    value = static_cast<float>(number);
}

void CXmlPersistReader::Load(const char* name, double& value)
{
    CString text = ReadText(name);
    value = text.IsEmpty() ? 0.0 : UXmlValues::ParseDouble(text);
}

void CXmlPersistReader::Load(const char* name, __int64& value)
{
    CString text = ReadText(name);
    value = 0;
    if (text.GetLength() != 16) return;
    unsigned char bytes[8];
    UXmlValues::DecodeHex(text, bytes, 8);
    uint64_t result = 0;
    for (int i = 7; i >= 0; --i) result = (result << 8) | bytes[i];
    value = static_cast<__int64>(result);
}

void CXmlPersistReader::Load(const char* name, LONG& value) { LoadNumber(*this, name, value); }
void CXmlPersistReader::Load(const char* name, ULONG& value) { LoadNumber(*this, name, value); }
void CXmlPersistReader::Load(const char* name, short& value) { LoadNumber(*this, name, value); }
void CXmlPersistReader::Load(const char* name, unsigned short& value) { LoadNumber(*this, name, value); }
void CXmlPersistReader::Load(const char* name, char& value) { LoadNumber(*this, name, value); }
void CXmlPersistReader::Load(const char* name, unsigned char& value) { LoadNumber(*this, name, value); }

void CXmlPersistReader::Load(const char* name, bool& value)
{
    CString text = ReadText(name);
    value = !text.IsEmpty() && UXmlValues::ParseBool(text);
}

void CXmlPersistReader::Load(const char* name, unsigned char* bytes, ULONG length)
{
    CString text = ReadText(name);
    if (!bytes || text.IsEmpty()) return;
    // Never more than the caller's buffer holds.
    UXmlValues::DecodeHex(text, bytes, length);
}

void CXmlPersistReader::LoadStringLength(const char* name, ULONG& length)
{
    CString text = ReadText(name);
    length = text.IsEmpty() ? 0 : static_cast<ULONG>(text.GetLength()) + 1;
    m_peekedName = name;
    m_peekedLength = length;
}

unsigned char* CXmlPersistReader::GetData(ULONG&)
{
    return nullptr;
}

void CXmlPersistReader::SetData(const unsigned char*, ULONG) {}
