// Feeds arbitrary bytes to the binary storage loader: whole objects by type, the
// persistent lists and handles directly, and a run of typed loads. Whatever the bytes,
// loading must end, stay in bounds and leak nothing.
#include "CPersistList.h"
#include "CPersistStorage.h"
#include "CPersistValueList.h"
#include "CTaggedCollection.h"
#include "CTaggedHandle.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace {

void LoadWhole(const uint8_t* data, ULONG size)
{
    CPersistStorage storage;
    storage.SetData(data, size);
    std::unique_ptr<CPersistObject> object(CPersistObject::LoadComplete(storage));
    if (object) {
        // What was loaded must save again.
        CPersistStorage out;
        object->SaveComplete(out);
    }
}

template <typename T>
void LoadAs(const uint8_t* data, ULONG size)
{
    CPersistStorage storage;
    storage.SetData(data, size);
    T object;
    object.Load("fuzz", storage);
}

void LoadValues(const uint8_t* data, ULONG size)
{
    CPersistStorage storage;
    storage.SetData(data, size);
    GUID guid;
    CHandle handle;
    char small[8];
    char text[64];
    ULONG length = 0;
    double d;
    __int64 q;
    LONG l;
    bool b;
    storage.Load("g", guid);
    storage.Load("h", handle);
    storage.Load("s", small, sizeof small);
    storage.LoadStringLength("t", length);
    if (length <= sizeof text) {
        storage.Load("t", text);
    } else {
        std::vector<char> big(length);
        storage.Load("t", big.data());
    }
    storage.Load("d", d);
    storage.Load("q", q);
    storage.Load("l", &l);
    storage.Load("b", b);
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 1 << 20) return 0;
    auto n = static_cast<ULONG>(size);
    LoadWhole(data, n);
    LoadAs<CPersistList>(data, n);
    LoadAs<CPersistValueList>(data, n);
    LoadAs<CTaggedCollection>(data, n);
    LoadAs<CTaggedHandle>(data, n);
    LoadValues(data, n);
    return 0;
}
