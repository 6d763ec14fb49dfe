#pragma once
// A storage on the registry, or on an ini file: an object becomes a run of values named
// "0", "1", "2", ... in one section under the application's key. Names play no part:
// an object loads with exactly the calls it saved with. "Has Data" = 1 in the section
// tells that something was saved there. What a storage saves lands in one atomic write of the
// settings file, "Has Data" with it, when the storage ends.
#include "CPersistStorage.h"
#include "afx/CString.h"

#include <memory>

class CIniProfile;
class MvSettingsBatch;

class CRegistryPersistStorage : public CPersistStorage {
public:
    static constexpr ULONG kChunkBytes = 255;

    // With an ini file every value goes there instead of the registry.
    CRegistryPersistStorage(const char* section, const char* iniFile = nullptr);
    CRegistryPersistStorage(const CRegistryPersistStorage&) = delete;
    CRegistryPersistStorage& operator=(const CRegistryPersistStorage&) = delete;
    // Marks the section "Has Data" when something was saved.
    ~CRegistryPersistStorage() override;

    bool HasData();
    CString GetKey() const;


    void SaveValue(ULONG value);
    void SaveString(const char* text);
    ULONG LoadValue();
    CString LoadString();

    using CPersistStorage::Load;
    using CPersistStorage::Save;

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

    void ResetLoad(bool force) override;
    void Load(const char* name, CHandle& value) override;
    // The stored length, then the text cut to the buffer.
    void Load(const char* name, char* buffer, ULONG size) override;
    // Bounded by the length LoadStringLength just gave; without it nothing is copied.
    void Load(const char* name, char* buffer) override;
    void Load(const char* name, float& value) override;
    void Load(const char* name, double& value) override;
    void Load(const char* name, LONG& value) override;
    void Load(const char* name, ULONG& value) override;
    void Load(const char* name, short& value) override;
    void Load(const char* name, unsigned short& value) override;
    void Load(const char* name, bool& value) override;
    void Load(const char* name, char& value) override;
    void Load(const char* name, unsigned char& value) override;
    // Never writes more than length bytes; stops at a missing or empty chunk.
    void Load(const char* name, unsigned char* bytes, ULONG length) override;
    // Reads the length value (the text's bytes and its NUL; 0 when missing), never more than
    // the text stored after it holds.
    void LoadStringLength(const char* name, ULONG& length) override;

    unsigned char* GetData(ULONG& size) override;
    void SetData(const unsigned char* bytes, ULONG size) override;

    // No object tree saved here holds more values; a damaged count asking for more
    // fails the load instead of running on.
    static constexpr int kMaxValues = 100000;

private:
    // Reads chunks into bytes, never beyond length; the number of bytes read.
    ULONG LoadBytes(unsigned char* bytes, ULONG length);
    // Gathers the values of a save until WriteSaved lands them, with "Has Data", at once.
    void BeginSave();
    void WriteSaved();

    CIniProfile* m_profile = nullptr;
    CString m_section;
    int m_counter = 0;
    bool m_saved = false;
    std::unique_ptr<MvSettingsBatch> m_batch;
    // The length LoadStringLength gave, bounding the next unsized text load.
    ULONG m_peekedLength = 0;
};
