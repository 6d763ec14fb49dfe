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
#include "../../framework/fuzz/PersistFuzz.h"

#include <cstddef>
#include <cstdint>

namespace {

void CheckLists(CPersistStorage& storage)
{
    storage.ResetLoad(true);
    CMediaTags tags;
    tags.Load("Settings", storage);
    for (int i = 0; i < tags.GetValueCount(); ++i)
        Require(tags.GetValue(i)->IsInstanceOf(FourCharCode("namo")));
    storage.ResetLoad(true);
    CPropertyList properties;
    properties.Load("Settings", storage);
    for (int i = 0; i < properties.GetValueCount(); ++i)
        Require(properties.GetValue(i)->IsInstanceOf(FourCharCode("prpv")));
    storage.ResetLoad(true);
    CPersistMultiFile2 multi;
    multi.Load("Settings", storage);
    for (int i = 0; i < multi.GetSegmentCount(); ++i)
        Require(multi.GetSegment(i)->IsInstanceOf(FourCharCode("psf2")));
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
    FeedBinaryAndXml(data, size, LoadEvery);
    return 0;
}
