#include "CMetaClassController.h"
#include "CPersistObject.h"
#include "DataTestSupport.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

struct Registration {
    const char* code;
    std::vector<const char*> alsoInstanceOf;
};

// Every class of the library: created by its stored code, it answers that code and
// its bases' codes, and nothing it does not derive from.
const Registration kClasses[] = {
    {"name", {}},
    {"namd", {"name"}},
    {"namo", {"name"}},
    {"prpv", {"name"}},
    {"plst", {}},
    {"ptim", {}},
    {"pdtm", {"ptim"}},
    {"pdur", {"ptim"}},
    {"scdl", {}},
    {"dura", {}},
    {"pspa", {}},
    {"dpsf", {"pspa"}},
    {"psf2", {}},
    {"pmf2", {"psf2"}},
    {"ftp2", {}},
    {"hotk", {}},
    {"htk2", {}},
    {"wbob", {"name"}},
    {"wbac", {"wbob", "name"}},
    {"wbds", {"wbob", "name"}},
    {"pdat", {}},
    {"tagv", {}},
};

}

TEST(DataRegistration, EveryStoredCodeCreatesItsClass)
{
    for (const Registration& r : kClasses) {
        std::unique_ptr<CPersistObject> object(CMetaClassController::CreateOne(Code(r.code)));
        ASSERT_NE(nullptr, object) << r.code;
        EXPECT_EQ(Code(r.code), object->GetObjectType()) << r.code;
        EXPECT_TRUE(object->IsInstanceOf(Code(r.code))) << r.code;
        for (const char* base : r.alsoInstanceOf) EXPECT_TRUE(object->IsInstanceOf(Code(base))) << r.code;
        EXPECT_FALSE(object->IsInstanceOf(Code("zzzz"))) << r.code;
        std::unique_ptr<CPersistObject> copy(object->Clone());
        EXPECT_EQ(object->GetObjectType(), copy->GetObjectType()) << r.code;
    }
}
