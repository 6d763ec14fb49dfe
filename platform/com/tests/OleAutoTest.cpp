#include "com/ComObject.h"
#include "com/OleAuto.h"

#include <gtest/gtest.h>

namespace {

TEST(OleAutoTest, StringsKeepTheirLength)
{
    BSTR text = SysAllocString(u"hello");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(SysStringLen(text), 5u);
    EXPECT_EQ(SysStringByteLen(text), 10u);
    EXPECT_EQ(text[5], 0);
    SysFreeString(text);

    // Embedded NULs count, and a null source gives zeros.
    BSTR withNul = SysAllocStringLen(u"a\0b", 3);
    EXPECT_EQ(SysStringLen(withNul), 3u);
    EXPECT_EQ(withNul[2], u'b');
    SysFreeString(withNul);
    BSTR blank = SysAllocStringLen(nullptr, 4);
    EXPECT_EQ(SysStringLen(blank), 4u);
    EXPECT_EQ(blank[0], 0);
    SysFreeString(blank);

    EXPECT_EQ(SysAllocString(nullptr), nullptr);
    EXPECT_EQ(SysStringLen(nullptr), 0u);
    SysFreeString(nullptr);
    EXPECT_EQ(SysAllocStringLen(u"x", 0x7FFFFFFFu), nullptr);
}

struct Counted : TComObject<IUnknown> {
    static inline int sAlive = 0;
    Counted() { ++sAlive; }
    ~Counted() override { --sAlive; }
};

TEST(OleAutoTest, VariantsOwnWhatTheyHold)
{
    VARIANT a, b;
    VariantInit(&a);
    VariantInit(&b);
    EXPECT_EQ(a.vt, VT_EMPTY);
    a.vt = VT_BSTR;
    a.bstrVal = SysAllocString(u"text");
    ASSERT_EQ(VariantCopy(&b, &a), S_OK);
    EXPECT_NE(b.bstrVal, a.bstrVal);
    EXPECT_EQ(SysStringLen(b.bstrVal), 4u);
    VariantClear(&a);
    EXPECT_EQ(a.vt, VT_EMPTY);

    auto* object = new Counted;
    a.vt = VT_UNKNOWN;
    a.punkVal = object;
    // Copying over a string frees the string and takes a reference.
    ASSERT_EQ(VariantCopy(&b, &a), S_OK);
    VariantClear(&a);
    EXPECT_EQ(Counted::sAlive, 1);
    VariantClear(&b);
    EXPECT_EQ(Counted::sAlive, 0);
    EXPECT_EQ(VariantClear(nullptr), E_INVALIDARG);
}

} // namespace
