#pragma once
// A write-only storage that shows values as text instead of keeping them: every save
// ends in ShowValue(name, text). Zero and empty values are shown too.
#include "CPersistStorage.h"

class CDisplayPersistStorage : public CPersistStorage {
public:
    using CPersistStorage::Save;

    // The number as "%d", then SaveString.
    void SaveValue(const char* name, LONG value);
    virtual void SaveString(const char* name, const char* text) = 0;

    void Save(const char* name, const CHandle& value) override;
    void Save(const char* name, const char* text) override;
    void Save(const char* name, float value) override;
    void Save(const char* name, double value) override;
    void Save(const char* name, LONG value) override;
    void Save(const char* name, ULONG value) override;
    void Save(const char* name, short value) override;
    void Save(const char* name, unsigned short value) override;
    void Save(const char* name, bool value) override;
    void Save(const char* name, char value) override;
    void Save(const char* name, unsigned char value) override;
    void Save(const char* name, const unsigned char* bytes, ULONG length) override;
};
