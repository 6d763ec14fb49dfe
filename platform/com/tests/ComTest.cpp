#include "com/ClassRegistry.h"
#include "com/ComObject.h"
#include "com/ComRuntime.h"
#include "com/Guid.h"

#include <gtest/gtest.h>
#include <string>
#include <thread>

namespace {

struct IAnimal : IUnknown {
    static constexpr IID kIid = {0x11111111, 0x2222, 0x3333, {1, 2, 3, 4, 5, 6, 7, 8}};
    using Base = IUnknown;
    virtual int Legs() = 0;
};
struct IDog : IAnimal {
    static constexpr IID kIid = {0x11111111, 0x2222, 0x3333, {1, 2, 3, 4, 5, 6, 7, 9}};
    using Base = IAnimal;
    virtual int Barks() = 0;
};
struct IOwned : IUnknown {
    static constexpr IID kIid = {0x11111111, 0x2222, 0x3333, {1, 2, 3, 4, 5, 6, 7, 10}};
    using Base = IUnknown;
    virtual int Owner() = 0;
};
constexpr CLSID kDogClass = {0xAAAA0000, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}};

int gAlive = 0;

class CDog : public TComObject<IDog, IOwned> {
public:
    CDog() { ++gAlive; }
    ~CDog() override { --gAlive; }
    int Legs() override { return 4; }
    int Barks() override { return 2; }
    int Owner() override { return 7; }
    static HRESULT Create(REFIID iid, void** object) { return CreateComObject<CDog>(iid, object); }
};

TEST(ComObject, QueryInterfaceWalksEveryChainAndCountsReferences)
{
    IDog* dog = nullptr;
    ASSERT_EQ(S_OK, CDog::Create(IDog::kIid, reinterpret_cast<void**>(&dog)));
    EXPECT_EQ(1, gAlive);

    IAnimal* animal = nullptr;
    ASSERT_EQ(S_OK, QueryInterfaceTo(dog, &animal));
    EXPECT_EQ(4, animal->Legs());
    IOwned* owned = nullptr;
    ASSERT_EQ(S_OK, QueryInterfaceTo(animal, &owned));
    EXPECT_EQ(7, owned->Owner());
    IUnknown* a = nullptr;
    IUnknown* b = nullptr;
    ASSERT_EQ(S_OK, QueryInterfaceTo(owned, &a));
    ASSERT_EQ(S_OK, QueryInterfaceTo(dog, &b));
    EXPECT_EQ(a, b) << "identity must not depend on the interface asked through";

    void* none = reinterpret_cast<void*>(1);
    EXPECT_EQ(E_NOINTERFACE, dog->QueryInterface(kDogClass, &none));
    EXPECT_EQ(nullptr, none);
    EXPECT_EQ(E_POINTER, dog->QueryInterface(IDog::kIid, nullptr));

    a->Release();
    b->Release();
    owned->Release();
    animal->Release();
    EXPECT_EQ(1, gAlive);
    EXPECT_EQ(0u, dog->Release());
    EXPECT_EQ(0, gAlive);
}

TEST(ComObject, FailedCreationFreesTheObject)
{
    void* object = nullptr;
    EXPECT_EQ(E_NOINTERFACE, CDog::Create(kDogClass, &object));
    EXPECT_EQ(nullptr, object);
    EXPECT_EQ(0, gAlive);
}

TEST(Guid, TextFormRoundTrips)
{
    const GUID g = {0x0123ABCD, 0x4567, 0x89EF, {0xFE, 0xDC, 0xBA, 0x98, 0x76, 0x54, 0x32, 0x10}};
    EXPECT_EQ("{0123ABCD-4567-89EF-FEDC-BA9876543210}", GuidToText(g));
    OLECHAR wide[39];
    ASSERT_EQ(39, StringFromGUID2(g, wide, 39));
    EXPECT_EQ(0, StringFromGUID2(g, wide, 38));
    CLSID back{};
    ASSERT_EQ(S_OK, CLSIDFromString(wide, &back));
    EXPECT_EQ(g, back);
    GUID lower{};
    ASSERT_TRUE(GuidFromText("{0123abcd-4567-89ef-fedc-ba9876543210}", &lower));
    EXPECT_EQ(g, lower);
}

TEST(Guid, MalformedTextIsRefused)
{
    const char* cases[] = {"",
                           "{0123ABCD-4567-89EF-FEDC-BA9876543210",
                           "0123ABCD-4567-89EF-FEDC-BA9876543210}",
                           "{0123ABCD-4567-89EF-FEDC-BA9876543210}x",
                           "{0123ABCD-4567-89EF-FEDCBA9876543210-}",
                           "{0123ABCG-4567-89EF-FEDC-BA9876543210}",
                           "{0123ABCD+4567-89EF-FEDC-BA9876543210}"};
    for (const char* text : cases) {
        GUID g = {1, 1, 1, {1}};
        EXPECT_FALSE(GuidFromText(text, &g)) << text;
        EXPECT_EQ(GUID_NULL, g) << text;
    }
    EXPECT_FALSE(GuidFromText(nullptr, nullptr));
    CLSID c{};
    EXPECT_EQ(CO_E_CLASSSTRING, CLSIDFromString(nullptr, &c));
}

TEST(ComRuntime, CreationNeedsAnInitialisedThreadAndARegisteredClass)
{
    ComClassFactory previous = ComRegisterClass(kDogClass, &CDog::Create);
    EXPECT_EQ(nullptr, previous);

    IDog* dog = nullptr;
    EXPECT_EQ(CO_E_NOTINITIALIZED, CoCreateInstance(kDogClass, nullptr, CLSCTX_ALL, IDog::kIid, reinterpret_cast<void**>(&dog)));
    EXPECT_EQ(nullptr, dog);

    EXPECT_EQ(S_OK, CoInitialize(nullptr));
    EXPECT_EQ(S_FALSE, CoInitializeEx(nullptr, COINIT_MULTITHREADED));
    ASSERT_EQ(S_OK, CoCreateInstance(kDogClass, nullptr, CLSCTX_ALL, IDog::kIid, reinterpret_cast<void**>(&dog)));
    EXPECT_EQ(2, dog->Barks());

    // The count is per thread: a worker that forgets to initialise cannot create.
    HRESULT onWorker = S_OK;
    std::thread([&] {
        void* object = nullptr;
        onWorker = CoCreateInstance(kDogClass, nullptr, CLSCTX_ALL, IDog::kIid, &object);
    }).join();
    EXPECT_EQ(CO_E_NOTINITIALIZED, onWorker);

    void* object = nullptr;
    EXPECT_EQ(CLASS_E_NOAGGREGATION, CoCreateInstance(kDogClass, dog, CLSCTX_ALL, IDog::kIid, &object));
    const CLSID unknown = {0xBBBB0000, 1, 2, {3}};
    EXPECT_EQ(REGDB_E_CLASSNOTREG, CoCreateInstance(unknown, nullptr, CLSCTX_ALL, IDog::kIid, &object));
    dog->Release();

    CoUninitialize();
    EXPECT_EQ(1, CoInitializeCount());
    CoUninitialize();
    CoUninitialize(); // one too many is harmless
    EXPECT_EQ(0, CoInitializeCount());
    EXPECT_EQ(CO_E_NOTINITIALIZED, CoCreateInstance(kDogClass, nullptr, CLSCTX_ALL, IDog::kIid, &object));

    EXPECT_EQ(&CDog::Create, ComRegisterClass(kDogClass, nullptr));
    EXPECT_EQ(nullptr, ComFindClass(kDogClass));
}

TEST(ComRuntime, TaskMemoryCopiesStrings)
{
    const OLECHAR text[] = u"voice";
    LPOLESTR copy = CoTaskMemDupString(text);
    ASSERT_NE(nullptr, copy);
    EXPECT_EQ(std::u16string(u"voice"), std::u16string(copy));
    CoTaskMemFree(copy);
    EXPECT_EQ(nullptr, CoTaskMemDupString(nullptr));
    CoTaskMemFree(nullptr);
}

} // namespace
