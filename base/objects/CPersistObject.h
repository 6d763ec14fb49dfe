#pragma once
// The root of every persistent class: a broadcaster with an object id and a version
// that saves and loads itself by name through a CPersistStorage.
#include "CBroadcaster.h"
#include "FourCharCode.h"
#include "MvPersistClass.h"
#include "win32/WinTypes.h"

class CEnumMap;
class CPersistStorage;

using dropType = int;

class CPersistObject : public CBroadcaster {
public:
    CPersistObject();
    // A copy gets a new id and none of the other's listeners.
    CPersistObject(const CPersistObject& other);
    // Copies nothing of this base: id, version and listeners stay.
    CPersistObject& operator=(const CPersistObject& other);
    ~CPersistObject() override;

    virtual LONG GetObjectType() const;
    virtual bool IsInstanceOf(LONG type) const;
    virtual bool IsList() const;
    virtual dropType Accept(CPersistObject* dropped);
    virtual bool GetEnumText(const char* field, CEnumMap& map);
    virtual void Clear();
    // The message of what is wrong, or null (or empty) when valid.
    virtual const char* Validate(bool notify);
    virtual const char* ValidateSelf();
    virtual CPersistObject* Clone() const;
    virtual void Save(const char* name, CPersistStorage& storage);
    virtual void Load(const char* name, CPersistStorage& storage);
    virtual void SaveSelf(const char* name, CPersistStorage& storage);
    virtual void LoadSelf(const char* name, CPersistStorage& storage);

    // The type code, then the object under "content".
    void SaveComplete(CPersistStorage& storage);
    // An object of the stored type loaded from "content"; null when the type is not
    // registered or the storage reports a failed load. The caller owns the result.
    static CPersistObject* LoadComplete(CPersistStorage& storage);

    ULONG GetObjectId() const { return m_objectId; }
    ULONG GetObjectVersion() const { return m_objectVersion; }

    static constexpr ULONG kCurrentVersion = 2500;
    static ULONG sObjectId;
    static const char* const kPersistObjectIdTag;
    static const char* const kPersistObjectVersionTag;

protected:
    // The middle of every property setter: store a changed value and announce it.
    // A setter is: v = Validate<P>(v); if (!ChangeProperty(field, v, code)) return false;
    // SideEffect<P>Changed(); return true.
    template <typename T, typename V>
    bool ChangeProperty(T& field, const V& value, LONG code)
    {
        if (field == value) return false;
        field = value;
        Notify(code, 0, 0);
        return true;
    }

private:
    ULONG m_objectId;
    ULONG m_objectVersion = kCurrentVersion;
};
