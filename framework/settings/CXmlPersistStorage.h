#pragma once
// Saves an object tree into an XML settings file: one element per value, named after
// it, one nested element per object. Zero, false and empty values are not written.
#include "CPersistStorage.h"
#include "CXmlWriter.h"

class CXmlPersistStorage : public CPersistStorage {
public:
    CXmlPersistStorage(const char* name, const char* path);
    ~CXmlPersistStorage() override;

    void EnterObject(const char* name) override;
    void LeaveObject() override;

    using CPersistStorage::Save;
    void Save(const char* name, const GUID& value) override;
    void Save(const char* name, const CHandle& value) override;
    void Save(const char* name, const char* text) override;
    void Save(const char* name, float value) override;
    void Save(const char* name, double value) override;
    void Save(const char* name, __int64 value) override;
    void Save(const char* name, LONG value) override;
    void Save(const char* name, ULONG value) override;
    void Save(const char* name, short value) override;
    void Save(const char* name, unsigned short value) override;
    void Save(const char* name, bool value) override;
    void Save(const char* name, char value) override;
    void Save(const char* name, unsigned char value) override;
    void Save(const char* name, const unsigned char* bytes, ULONG length) override;

    // Whether the last outermost object reached its file.
    bool WriteSucceeded() const { return m_writer.LastWriteSucceeded(); }

private:
    void SaveValue(const char* name, ULONG value);
    void SaveString(const char* name, const char* text);

    CXmlWriter m_writer;
};
