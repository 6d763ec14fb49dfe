#pragma once
// Shared parts of the fuzz targets over persistent records: the bytes are fed to the
// loaders as binary storage and, as text, through the XML settings reader.
#include "CPersistObject.h"
#include "CPersistStorage.h"
#include "CXmlPersistReader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

// A loaded record that breaks what it promises stops the run.
inline void Require(bool condition)
{
    if (!condition) std::abort();
}

// Loads a T from the start of the storage and saves it again.
template <typename T> void LoadAs(CPersistStorage& storage)
{
    storage.ResetLoad(true);
    T object;
    object.Load("Settings", storage);
    CPersistStorage out;
    object.Save("Settings", out);
}

// Feeds the bytes as binary storage (the whole object by its type code, saved again if
// it loads, then loadEvery) and as XML text (loadEvery). Inputs over 1 MiB are skipped:
// false then.
template <class F> bool FeedBinaryAndXml(const uint8_t* data, size_t size, F loadEvery)
{
    if (size > 1 << 20) return false;
    {
        CPersistStorage storage;
        storage.SetData(data, static_cast<ULONG>(size));
        std::unique_ptr<CPersistObject> object(CPersistObject::LoadComplete(storage));
        if (object) {
            CPersistStorage out;
            object->SaveComplete(out);
        }
        loadEvery(storage);
    }
    {
        std::string text(reinterpret_cast<const char*>(data), size);
        CXmlPersistReader reader(text.c_str());
        loadEvery(reader);
    }
    return true;
}
