#include "CMetaClass.h"
#include "CMetaClassController.h"
#include "CPointerList.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

// Codes far from any real class's.
constexpr LONG kBase = 0x7A7A0000;

CPersistObject* MakeFirst() { return reinterpret_cast<CPersistObject*>(0x1000); }
CPersistObject* MakeSecond() { return reinterpret_cast<CPersistObject*>(0x2000); }

std::unique_ptr<CMetaClass> Record(LONG type, CMetaClass::NewObjectFunc create = nullptr)
{
    auto record = std::make_unique<CMetaClass>();
    record->SetType(type);
    record->SetNewObjectFunc(create);
    return record;
}

}

TEST(CMetaClass, FirstRegisteredWinsUntilItLeaves)
{
    EXPECT_EQ(nullptr, CMetaClassController::CreateOne(kBase));
    auto first = Record(kBase, MakeFirst);
    auto second = Record(kBase, MakeSecond);
    EXPECT_EQ(first.get(), CMetaClassController::GetMetaClass(kBase));
    EXPECT_EQ(MakeFirst(), CMetaClassController::CreateOne(kBase));
    first.reset();
    EXPECT_EQ(second.get(), CMetaClassController::GetMetaClass(kBase));
    EXPECT_EQ(MakeSecond(), CMetaClassController::CreateOne(kBase));
    second.reset();
    EXPECT_EQ(nullptr, CMetaClassController::GetMetaClass(kBase));
}

TEST(CMetaClass, CloseRangesAndVerify)
{
    const LONG c = kBase + 1000;
    auto near = Record(c + 20);
    EXPECT_EQ(near.get(), CMetaClassController::FindCloseRange(c));
    EXPECT_EQ(near.get(), CMetaClassController::FindCloseRange(c + 40));
    EXPECT_EQ(nullptr, CMetaClassController::FindCloseRange(c - 1));
    EXPECT_TRUE(CMetaClassController::Verify(near.get()));   // never compared with itself

    const struct { LONG other; bool ok; } cases[] = {{c, false}, {c + 40, false}, {c - 1, true}, {c + 41, true}};
    for (auto k : cases) {
        auto other = Record(k.other);
        EXPECT_EQ(k.ok, CMetaClassController::Verify(other.get())) << k.other - c;
        EXPECT_EQ(k.ok, CMetaClassController::Verify(near.get())) << k.other - c;
    }
}

TEST(CMetaClass, RecordWithoutCreateFunctionAndCopies)
{
    auto record = Record(kBase + 2000);
    EXPECT_EQ(nullptr, record->CreateOne());
    EXPECT_EQ(nullptr, CMetaClassController::CreateOne(kBase + 2000));

    int before = CMetaClassController::mClassList().GetItemCount();
    CMetaClass copy(*record);
    EXPECT_EQ(before, CMetaClassController::mClassList().GetItemCount());
    EXPECT_EQ(kBase + 2000, copy.GetType());
}
