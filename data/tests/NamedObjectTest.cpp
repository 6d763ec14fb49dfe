#include "CNamedData.h"
#include "CNamedObject.h"
#include "CNamedValue.h"
#include "CPropertyList.h"
#include "CPropertyValue.h"
#include "DataTestSupport.h"

#include <cstring>

TEST(NamedObject, ANameIsStoredOnlyWhenItChangesByteForByte)
{
    CNamedObject object;
    NoticeLog log(object);
    EXPECT_TRUE(object.SetName("Camera"));
    EXPECT_FALSE(object.SetName("Camera"));
    EXPECT_TRUE(object.SetName("camera"));
    EXPECT_TRUE(object.SetName(nullptr));
    EXPECT_STREQ("", object.GetName());
    EXPECT_EQ((Codes{"namf", "namf", "namf"}), log.codes);
}

TEST(NamedObject, NamedAndPropertyValuesDifferInDefaultCodeAndKey)
{
    CNamedValue named;
    CPropertyValue property;
    EXPECT_STREQ("", named.GetValue());
    EXPECT_STREQ("Untitled", property.GetValue());
    NoticeLog namedLog(named), propertyLog(property);
    named.SetName("n");
    named.SetValue("one");
    property.SetName("p");
    property.SetValue("two");
    EXPECT_FALSE(named.SetValue("one"));
    EXPECT_EQ((Codes{"namf", "namp"}), namedLog.codes);
    EXPECT_EQ((Codes{"namf", "prpw"}), propertyLog.codes);

    std::string namedXml = XmlText(named), propertyXml = XmlText(property);
    EXPECT_NE(std::string::npos, namedXml.find("<value>one</value>"));
    EXPECT_NE(std::string::npos, namedXml.find("<name>n</name>"));
    EXPECT_NE(std::string::npos, propertyXml.find("<Value>two</Value>"));
    EXPECT_EQ(std::string::npos, propertyXml.find("<value>"));
}

TEST(NamedObject, ValuesSurviveBothStorages)
{
    CNamedValue named;
    named.SetName("Artist");
    named.SetValue(std::string(3000, 'x').c_str());
    for (auto copy : {BinaryCopy(named), XmlCopy(named)}) {
        EXPECT_STREQ("Artist", copy->GetName());
        EXPECT_EQ(3000, copy->GetValue().GetLength());
    }
}

TEST(NamedObject, NamedDataKeepsItsBytesUnderData)
{
    CNamedData data;
    data.SetName("blob");
    const char bytes[] = {0, 1, 2, '\xff'};
    data.GetData().SetData(bytes, sizeof bytes);
    std::string xml = XmlText(data);
    EXPECT_TRUE(HasElement(xml, "data"));
    for (auto copy : {BinaryCopy(data), XmlLoad<CNamedData>(xml)}) {
        EXPECT_STREQ("blob", copy->GetName());
        ASSERT_EQ(4u, copy->GetData().GetData().GetSize());
        EXPECT_EQ(0, std::memcmp(bytes, copy->GetData().GetData().GetBuffer(), 4));
    }
    CNamedData assigned;
    assigned = data;
    EXPECT_EQ(4u, assigned.GetData().GetData().GetSize());
    EXPECT_STREQ("blob", assigned.GetName());
}

TEST(PropertyList, AddPropertyNamesThenSetsTheValue)
{
    CPropertyList list;
    NoticeLog log(list.GetValues());
    list.AddProperty("Width", "640");
    list.AddProperty("Codec", "");
    ASSERT_EQ(2, list.GetValueCount());
    EXPECT_EQ((Codes{"lisu", "lisu"}), log.codes);
    EXPECT_STREQ("Width", list.GetValue(0)->GetName());
    EXPECT_STREQ("640", list.GetValue(0)->GetValue());
    EXPECT_STREQ("", list.GetValue(1)->GetValue());
    EXPECT_EQ(nullptr, list.GetValue(2));
    EXPECT_EQ(nullptr, list.GetValue(-1));

    CPropertyValue* codec = list.GetValue(1);
    EXPECT_EQ(1, list.GetValueIndex(codec));
    list.RemoveValue(codec);
    EXPECT_EQ(-1, list.GetValueIndex(codec));
    EXPECT_EQ(1, list.GetValueCount());
    delete codec;
}

TEST(PropertyList, ItemsComeBackInOrderFromBothStorages)
{
    CPropertyList list;
    const char* rows[][2] = {{"Width", "640"}, {"Height", "480"}, {"Codec", "MPEG-4"}, {"Width", "dup"}};
    for (auto& row : rows) list.AddProperty(row[0], row[1]);
    std::string xml = XmlText(list);
    EXPECT_TRUE(HasElement(xml, "Values"));
    CPropertyList assigned;
    assigned.AddProperty("old", "gone");
    assigned = list;
    auto binary = BinaryCopy(list);
    auto fromXml = XmlLoad<CPropertyList>(xml);
    for (CPropertyList* copy : {binary.get(), fromXml.get(), &assigned}) {
        ASSERT_EQ(4, copy->GetValueCount());
        for (int i = 0; i < 4; ++i) {
            EXPECT_STREQ(rows[i][0], copy->GetValue(i)->GetName());
            EXPECT_STREQ(rows[i][1], copy->GetValue(i)->GetValue());
            EXPECT_NE(list.GetValue(i), copy->GetValue(i));
        }
    }
}

TEST(PropertyList, AStoredItemOfAnotherClassIsDropped)
{
    // A file holding a named value where a property value belongs.
    CPropertyList list;
    list.AddProperty("kept", "1");
    auto* foreign = new CNamedValue;
    foreign->SetName("foreign");
    list.GetValues().Add(foreign);
    list.AddProperty("also kept", "2");
    for (auto copy : {BinaryCopy(list), XmlCopy(list)}) {
        ASSERT_EQ(2, copy->GetValueCount());
        EXPECT_STREQ("kept", copy->GetValue(0)->GetName());
        EXPECT_STREQ("also kept", copy->GetValue(1)->GetName());
    }
}
