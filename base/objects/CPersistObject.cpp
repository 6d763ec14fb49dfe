#include "CPersistObject.h"

#include "CMetaClassController.h"
#include "CPersistStorage.h"

#include <cstdint>

ULONG CPersistObject::sObjectId = 0;
const char* const CPersistObject::kPersistObjectIdTag = "obj id";
const char* const CPersistObject::kPersistObjectVersionTag = "obj ver";

namespace {

const char* const kObjectTypeTag = "object";
const char* const kContentTag = "content";

}

CPersistObject::CPersistObject() : m_objectId(sObjectId++) {}

CPersistObject::CPersistObject(const CPersistObject&) : CBroadcaster(), m_objectId(sObjectId++) {}

CPersistObject& CPersistObject::operator=(const CPersistObject&)
{
    return *this;
}

CPersistObject::~CPersistObject() = default;

LONG CPersistObject::GetObjectType() const { return 0; }
bool CPersistObject::IsInstanceOf(LONG) const { return false; }
bool CPersistObject::IsList() const { return false; }
dropType CPersistObject::Accept(CPersistObject*) { return 0; }
bool CPersistObject::GetEnumText(const char*, CEnumMap&) { return false; }
void CPersistObject::Clear() {}
const char* CPersistObject::ValidateSelf() { return nullptr; }
void CPersistObject::SaveSelf(const char*, CPersistStorage&) {}
void CPersistObject::LoadSelf(const char*, CPersistStorage&) {}

const char* CPersistObject::Validate(bool notify)
{
    const char* message = ValidateSelf();
    if (message && notify) Notify(kObjectInvalidNotice, 0, 0);
    return message;
}

CPersistObject* CPersistObject::Clone() const
{
    auto* copy = new CPersistObject;
    *copy = *this;
    return copy;
}

void CPersistObject::Save(const char* name, CPersistStorage& storage)
{
    storage.EnterObject(name);
    storage.Save(kPersistObjectIdTag, m_objectId);
    storage.Save(kPersistObjectVersionTag, m_objectVersion);
    SaveSelf(name, storage);
    storage.LeaveObject();
}

void CPersistObject::Load(const char* name, CPersistStorage& storage)
{
    Clear();
    // Nesting deeper than any real object tree means a hostile stream.
    if (!storage.EnterLoadLevel()) return;
    storage.EnterObject(name);
    ULONG id = 0;
    storage.Load(kPersistObjectIdTag, id);
    storage.Load(kPersistObjectVersionTag, m_objectVersion);
    LoadSelf(name, storage);
    if (!storage.LoadFailed()) {
        m_objectId = id;
        // Later objects never repeat a loaded id; at the top of the range it stays there.
        if (id >= sObjectId) sObjectId = id == UINT32_MAX ? id : id + 1;
    }
    m_objectVersion = kCurrentVersion;
    Notify(kObjectChangedNotice, 0, 0);
    storage.LeaveObject();
    storage.LeaveLoadLevel();
}

void CPersistObject::SaveComplete(CPersistStorage& storage)
{
    storage.Save(kObjectTypeTag, GetObjectType());
    Save(kContentTag, storage);
}

CPersistObject* CPersistObject::LoadComplete(CPersistStorage& storage)
{
    LONG type = 0;
    storage.Load(kObjectTypeTag, type);
    if (storage.LoadFailed()) return nullptr;
    CPersistObject* object = CMetaClassController::CreateOne(type);
    if (!object) return nullptr;
    object->Load(kContentTag, storage);
    if (storage.LoadFailed()) {
        delete object;
        return nullptr;
    }
    return object;
}
