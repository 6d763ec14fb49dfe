#pragma once
// The interface through which persistent objects save and load their values by name,
// and itself a binary storage: values back to back in memory, names ignored.
//
// Integer widths are those of the stored format: LONG/ULONG are 4 bytes. Note that
// `long` is 64-bit here and picks the __int64 overload (8 bytes): use LONG.
//
// Loading never trusts the stream: a load that would pass the end of the stream or
// the caller's buffer marks the load failed (LoadFailed()), and every load after it
// yields zeros and empty values until SetData or ResetLoad(true).
#include <type_traits>
#include "CHandle.h"
#include "win32/WinTypes.h"

#include <cstdint>

class CPersistStorage {
public:
    CPersistStorage();
    CPersistStorage(const CPersistStorage& other);
    CPersistStorage& operator=(const CPersistStorage& other);
    virtual ~CPersistStorage();

    virtual void EnterObject(const char* name);
    virtual void LeaveObject();

    virtual void Save(const char* name, const GUID& value);
    virtual void Save(const char* name, const CHandle& value);
    virtual void Save(const char* name, const char* text);
    virtual void Save(const char* name, float value);
    virtual void Save(const char* name, double value);
    virtual void Save(const char* name, __int64 value);
    virtual void Save(const char* name, LONG value);
    virtual void Save(const char* name, ULONG value);
    virtual void Save(const char* name, short value);
    virtual void Save(const char* name, unsigned short value);
    virtual void Save(const char* name, bool value);
    virtual void Save(const char* name, char value);
    virtual void Save(const char* name, unsigned char value);
    virtual void Save(const char* name, const unsigned char* bytes, ULONG length);

    virtual void ResetLoad(bool force);
    virtual void Load(const char* name, GUID& value);
    virtual void Load(const char* name, CHandle& value);
    virtual void Load(const char* name, LONG* value);
    // Copies at most size - 1 bytes of the stored text and always terminates it.
    virtual void Load(const char* name, char* buffer, ULONG size);
    // The buffer must hold the length LoadStringLength just gave for this same text;
    // without that call the length is unknown and the load fails.
    virtual void Load(const char* name, char* buffer);
    virtual void Load(const char* name, float& value);
    virtual void Load(const char* name, double& value);
    virtual void Load(const char* name, __int64& value);
    virtual void Load(const char* name, LONG& value);
    virtual void Load(const char* name, ULONG& value);
    virtual void Load(const char* name, short& value);
    virtual void Load(const char* name, unsigned short& value);
    virtual void Load(const char* name, bool& value);
    virtual void Load(const char* name, char& value);
    virtual void Load(const char* name, unsigned char& value);
    virtual void Load(const char* name, unsigned char* bytes, ULONG length);
    virtual void LoadStringLength(const char* name, ULONG& length);

    // Enumerations are stored as the 32-bit values they are.
    template <class E>
        requires std::is_enum_v<E>
    void Save(const char* name, E value)
    {
        Save(name, static_cast<LONG>(value));
    }
    template <class E>
        requires std::is_enum_v<E>
    void Load(const char* name, E& value)
    {
        LONG stored = static_cast<LONG>(value);
        Load(name, stored);
        value = static_cast<E>(stored);
    }

    virtual unsigned char* GetData(ULONG& size);
    virtual void SetData(const unsigned char* bytes, ULONG size);

    bool LoadFailed() const { return m_loadFailed; }
    // For derived storages that find their source malformed.
    void FailLoad() { m_loadFailed = true; }
    // Values are read by their place in a byte stream, not by name: a value that is
    // not read leaves the rest out of step.
    bool ReadsByPosition() const { return m_stream.GetSize() != 0; }
    // Object nesting while loading; too deep a nesting fails the load instead of the stack.
    bool EnterLoadLevel();
    void LeaveLoadLevel();
    static constexpr int kMaxLoadDepth = 200;

    // A value that is a credential was saved: whatever holds the storage's bytes is to be
    // readable by its owner only.
    void MarkSecret() { m_secret = true; }
    bool HoldsSecret() const { return m_secret; }

    // While loading: whether the storage knows for sure that it holds no object of that name.
    // Storages that read by name say so (NoteMissingObject in their EnterObject); the others
    // never know it.
    bool IsObjectMissing(const char* name);

    static bool Initialize();
    static const unsigned char sSaveLookup[256];
    static unsigned char sLoadLookup[256];
    static bool sInitialized;

protected:
    void NoteMissingObject() { m_objectMissing = true; }

private:
    // Moves the cursor past n bytes, or fails the load when fewer remain.
    bool Take(ULONG n, uint32_t& offset);
    // Reads the 4-byte text length and checks that the text is still in the stream.
    bool LoadTextLength(const char* name, ULONG& length);

    CHandle m_stream;
    uint32_t m_cursor = 0;
    bool m_cursorSet = false;
    bool m_loadFailed = false;
    int m_loadDepth = 0;
    // Where LoadStringLength last looked, and what it found there.
    uint32_t m_peekedAt = 0;
    ULONG m_peekedLength = 0;
    bool m_peeked = false;
    bool m_secret = false;
    bool m_objectMissing = false;
};
