#include "CPropertyCommand.h"
#include "com/ComObject.h"
#include "com/Dispatch.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace {

// An automation object with a few properties and one method "Sub" (a - b).
class FakeObject : public TComObject<IDispatch> {
public:
    std::vector<std::u16string> members{u"Name", u"Count", u"Enabled", u"Ratio", u"When", u"Child", u"Sub"};
    std::map<DISPID, VARIANT> values;
    WORD lastFlags = 0;
    LCID lookupLocale = 0;
    LCID invokeLocale = 0;
    DISPID lastNamedArg = 0;
    static inline int sAlive = 0;

    FakeObject() { ++sAlive; }
    ~FakeObject() override
    {
        for (auto& [id, v] : values) VariantClear(&v);
        --sAlive;
    }

    HRESULT GetTypeInfoCount(UINT* count) override
    {
        *count = 0;
        return S_OK;
    }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override
    {
        lookupLocale = locale;
        if (count != 1) return E_INVALIDARG;
        for (size_t i = 0; i < members.size(); i++)
            if (members[i] == names[0]) {
                ids[0] = static_cast<DISPID>(i + 1);
                return S_OK;
            }
        ids[0] = DISPID_UNKNOWN;
        return DISP_E_UNKNOWNNAME;
    }
    HRESULT Invoke(DISPID id, REFIID, LCID locale, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                   UINT*) override
    {
        lastFlags = flags;
        invokeLocale = locale;
        if (id == 7) {
            if (params->cArgs != 2) return DISP_E_BADPARAMCOUNT;
            // Last argument first.
            result->vt = VT_I4;
            result->lVal = params->rgvarg[1].lVal - params->rgvarg[0].lVal;
            return S_OK;
        }
        if (flags & DISPATCH_PROPERTYPUT) {
            if (params->cArgs != 1 || params->cNamedArgs != 1) return DISP_E_BADPARAMCOUNT;
            lastNamedArg = params->rgdispidNamedArgs[0];
            auto [slot, added] = values.try_emplace(id);
            if (added) VariantInit(&slot->second);
            return VariantCopy(&slot->second, &params->rgvarg[0]);
        }
        auto it = values.find(id);
        if (it == values.end()) return DISP_E_MEMBERNOTFOUND;
        return VariantCopy(result, &it->second);
    }
};

class PropertyCommandTest : public ::testing::Test {
protected:
    void SetUp() override { object = new FakeObject; }
    void TearDown() override
    {
        object->Release();
        EXPECT_EQ(FakeObject::sAlive, 0);
    }
    FakeObject* object = nullptr;
};

TEST_F(PropertyCommandTest, HoldsOneReference)
{
    {
        CPropertyCommand command(object);
        EXPECT_EQ(command.getDisp(), object);
        CPropertyCommand copy(command);
        CPropertyCommand other(nullptr);
        other = command;
        object->AddRef();
        EXPECT_EQ(object->Release(), 4u);
    }
    object->AddRef();
    EXPECT_EQ(object->Release(), 1u);
}

TEST_F(PropertyCommandTest, TypedValuesRoundTrip)
{
    CPropertyCommand command(object);
    EXPECT_EQ(command.setStrProp(u"Name", "Grüße"), 0);
    EXPECT_EQ(object->lastFlags, DISPATCH_PROPERTYPUT);
    EXPECT_EQ(object->lastNamedArg, DISPID_PROPERTYPUT);
    EXPECT_EQ(object->lookupLocale, LOCALE_SYSTEM_DEFAULT);
    EXPECT_EQ(object->invokeLocale, LOCALE_USER_DEFAULT);
    EXPECT_EQ(command.setIntProp(u"Count", -42), 0);
    EXPECT_EQ(command.setBoolProp(u"Enabled", true), 0);
    EXPECT_EQ(object->values[3].boolVal, VARIANT_TRUE);
    EXPECT_EQ(command.setDoubleProp(u"Ratio", 0.25), 0);
    EXPECT_EQ(command.setDateProp(u"When", 39000.5), 0);
    EXPECT_EQ(object->values[5].vt, VT_DATE);

    char text[32] = "x";
    int count = 0;
    bool enabled = false;
    double ratio = 0, when = 0;
    EXPECT_EQ(command.getStrProp(u"Name", text, sizeof text), 0);
    EXPECT_EQ(object->lastFlags, DISPATCH_PROPERTYGET);
    EXPECT_STREQ(text, "Grüße");
    EXPECT_EQ(command.getIntProp(u"Count", count), 0);
    EXPECT_EQ(count, -42);
    EXPECT_EQ(command.getBoolProp(u"Enabled", enabled), 0);
    EXPECT_TRUE(enabled);
    EXPECT_EQ(command.getDoubleProp(u"Ratio", ratio), 0);
    EXPECT_EQ(ratio, 0.25);
    EXPECT_EQ(command.getDateProp(u"When", when), 0);
    EXPECT_EQ(when, 39000.5);

    EXPECT_EQ(command.setStrProp(u"Name", nullptr), 0);
    EXPECT_EQ(command.getStrProp(u"Name", text, sizeof text), 0);
    EXPECT_STREQ(text, "");
}

TEST_F(PropertyCommandTest, WrongTypeLeavesTheValue)
{
    CPropertyCommand command(object);
    ASSERT_EQ(command.setStrProp(u"Name", "abcdef"), 0);
    int count = 17;
    EXPECT_EQ(command.getIntProp(u"Name", count), 1);
    EXPECT_EQ(count, 17);
    double ratio = 2;
    EXPECT_EQ(command.getDateProp(u"Name", ratio), 1);
    EXPECT_EQ(ratio, 2);
    IDispatch* child = reinterpret_cast<IDispatch*>(1);
    EXPECT_EQ(command.getDispProp(u"Name", &child), 1);
    EXPECT_EQ(child, nullptr);
    EXPECT_EQ(command.getDispProp(u"Name", nullptr), 1);
    EXPECT_EQ(command.getStrProp(u"Name", nullptr, 10), 1);
}

TEST_F(PropertyCommandTest, TextsAreCutToTheBuffer)
{
    CPropertyCommand command(object);
    ASSERT_EQ(command.setStrProp(u"Name", "abcdef"), 0);
    char small[4] = "zzz";
    EXPECT_EQ(command.getStrProp(u"Name", small, sizeof small), 0);
    EXPECT_STREQ(small, "abc");
    // A cut never splits a character.
    ASSERT_EQ(command.setStrProp(u"Name", "ab\xC3\xBC"), 0);
    EXPECT_EQ(command.getStrProp(u"Name", small, sizeof small), 0);
    EXPECT_STREQ(small, "ab");
    // Longer than the old 4096-character limit, kept whole.
    std::string longText(5000, 'q');
    ASSERT_EQ(command.setStrProp(u"Name", longText.c_str()), 0);
    EXPECT_EQ(SysStringLen(object->values[1].bstrVal), 5000u);
}

TEST_F(PropertyCommandTest, ObjectsPassTheirReference)
{
    CPropertyCommand command(object);
    auto* child = new FakeObject;
    EXPECT_EQ(command.setDispProp(u"Child", child), 0);  // the fake keeps a copy (one reference)
    IDispatch* got = nullptr;
    EXPECT_EQ(command.getDispProp(u"Child", &got), 0);
    EXPECT_EQ(got, child);
    got->Release();
    child->AddRef();
    EXPECT_EQ(child->Release(), 2u) << "ours and the fake's";
    child->Release();
}

TEST_F(PropertyCommandTest, MethodsAndErrors)
{
    CPropertyCommand command(object);
    VARIANT args[2];
    VariantInit(&args[0]);
    VariantInit(&args[1]);
    args[0].vt = args[1].vt = VT_I4;
    args[1].lVal = 10;  // first argument
    args[0].lVal = 3;   // second argument
    VARIANT result;
    VariantInit(&result);
    EXPECT_EQ(command.invoke(u"Sub", args, 2, &result), 0);
    EXPECT_EQ(object->lastFlags, DISPATCH_METHOD);
    EXPECT_EQ(result.lVal, 7);
    EXPECT_EQ(command.invoke(u"Sub", args, 1, &result), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(command.get(u"Missing", &result), DISP_E_UNKNOWNNAME);
    int count = 5;
    EXPECT_EQ(command.getIntProp(u"Count", count), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(count, 5);

    CPropertyCommand released(nullptr);
    EXPECT_EQ(released.setIntProp(u"Count", 1), E_INVALIDARG);
    EXPECT_EQ(released.get(u"Count", &result), E_INVALIDARG);
}

} // namespace
