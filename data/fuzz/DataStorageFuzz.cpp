// Feeds arbitrary bytes to the loaders of the library's records, through the binary
// storage (whole objects by type code, and each class directly) and, as text, through
// the XML settings reader. Whatever the bytes, loading must end, stay in bounds, leave
// only items of the expected class in the lists, and leak nothing.
#include "CAppControl.h"
#include "CDualPersistPath.h"
#include "CDuration.h"
#include "CFtpInfo2.h"
#include "CHotKey2.h"
#include "CMediaTags.h"
#include "CNamedData.h"
#include "CNamedValue.h"
#include "CPersistDate.h"
#include "CPersistMultiFile2.h"
#include "CPropertyList.h"
#include "CPropertyValue.h"
#include "CScheduler.h"
#include "CWebAccount.h"
#include "CWebDescription.h"
#include "CXmlPersistReader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

template <typename T>
void LoadAs(CPersistStorage& storage)
{
    storage.ResetLoad(true);
    T object;
    object.Load("Settings", storage);
    CPersistStorage out;
    object.Save("Settings", out);
}

void CheckLists(CPersistStorage& storage)
{
    storage.ResetLoad(true);
    CMediaTags tags;
    tags.Load("Settings", storage);
    for (int i = 0; i < tags.GetValueCount(); ++i)
        if (!tags.GetValue(i)->IsInstanceOf(FourCharCode("namo"))) std::abort();
    storage.ResetLoad(true);
    CPropertyList properties;
    properties.Load("Settings", storage);
    for (int i = 0; i < properties.GetValueCount(); ++i)
        if (!properties.GetValue(i)->IsInstanceOf(FourCharCode("prpv"))) std::abort();
    storage.ResetLoad(true);
    CPersistMultiFile2 multi;
    multi.Load("Settings", storage);
    for (int i = 0; i < multi.GetSegmentCount(); ++i)
        if (!multi.GetSegment(i)->IsInstanceOf(FourCharCode("psf2"))) std::abort();
}

void LoadEvery(CPersistStorage& storage)
{
    CheckLists(storage);
    LoadAs<CNamedData>(storage);
    LoadAs<CNamedValue>(storage);
    LoadAs<CScheduler>(storage);
    LoadAs<CDuration>(storage);
    LoadAs<CDualPersistPath>(storage);
    LoadAs<CFtpInfo2>(storage);
    LoadAs<CHotKey2>(storage);
    LoadAs<CAppControl>(storage);
    LoadAs<CWebAccount>(storage);
    LoadAs<CWebDescription>(storage);
    LoadAs<CPersistDate>(storage);
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 1 << 20) return 0;
    auto n = static_cast<ULONG>(size);
    {
        CPersistStorage storage;
        storage.SetData(data, n);
        std::unique_ptr<CPersistObject> object(CPersistObject::LoadComplete(storage));
        if (object) {
            CPersistStorage out;
            object->SaveComplete(out);
        }
        LoadEvery(storage);
    }
    {
        std::string text(reinterpret_cast<const char*>(data), size);
        CXmlPersistReader reader(text.c_str());
        LoadEvery(reader);
    }
    return 0;
}
