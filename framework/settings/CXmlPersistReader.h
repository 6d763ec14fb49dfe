#pragma once
// Loads an object tree from an XML settings file, a text or a node. A value whose
// element is absent or empty is "missing": numbers read 0, texts stay as they were.
#include "CPersistStorage.h"
#include "afx/CString.h"

class CXmlNode;
class CXmlReader;

class CXmlPersistReader : public CPersistStorage {
public:
    CXmlPersistReader(const char* name, const char* path);
    explicit CXmlPersistReader(const char* text);
    explicit CXmlPersistReader(CXmlReader* reader);
    explicit CXmlPersistReader(CXmlNode* node);
    CXmlPersistReader(const CXmlPersistReader&) = delete;
    CXmlPersistReader& operator=(const CXmlPersistReader&) = delete;
    ~CXmlPersistReader() override;

    void EnterObject(const char* name) override;
    void LeaveObject() override;

    using CPersistStorage::Load;
    void ResetLoad(bool force) override;
    void Load(const char* name, GUID& value) override;
    void Load(const char* name, CHandle& value) override;
    void Load(const char* name, LONG* value) override;
    void Load(const char* name, char* buffer, ULONG size) override;
    // Copies at most the length LoadStringLength gave for this name just before.
    void Load(const char* name, char* buffer) override;
    void Load(const char* name, float& value) override;
    void Load(const char* name, double& value) override;
    void Load(const char* name, __int64& value) override;
    void Load(const char* name, LONG& value) override;
    void Load(const char* name, ULONG& value) override;
    void Load(const char* name, short& value) override;
    void Load(const char* name, unsigned short& value) override;
    void Load(const char* name, bool& value) override;
    void Load(const char* name, char& value) override;
    void Load(const char* name, unsigned char& value) override;
    void Load(const char* name, unsigned char* bytes, ULONG length) override;
    void LoadStringLength(const char* name, ULONG& length) override;
    unsigned char* GetData(ULONG& size) override;
    void SetData(const unsigned char* bytes, ULONG size) override;

    bool LoadString(const char* name, CString& text);
    bool LoadValue(const char* name, ULONG& value);
    bool HasData() const;
    CXmlReader* GetReader() const { return m_reader; }

    // Absent values are legitimate (zeros are not written), but a damaged count can ask
    // for billions of them: past this many absent reads, plus a few for each element the
    // document holds, the load is marked failed so that lists stop.
    static constexpr unsigned long kMissingReadAllowance = 65536;
    static constexpr unsigned long kMissingReadsPerElement = 64;

private:
    CString ReadText(const char* name);
    void NoteMissing();

    CXmlReader* m_reader;
    CString m_peekedName;
    ULONG m_peekedLength = 0;
    unsigned long m_missingReads = 0;
    unsigned long m_missingLimit = 0;   // 0 until first needed
};
