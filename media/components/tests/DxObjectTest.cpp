#include "CDxDmoObject.h"
#include "CDxFileObject.h"
#include "CMetaClassController.h"
#include "CWebObject.h"
#include "MediaTestSupport.h"

TEST(DxObject, NewDescriptorIsNotInstalledAndHasNoId)
{
    CDxFileObject file;
    EXPECT_FALSE(file.GetInstalled());
    EXPECT_EQ(0, file.GetId());
    EXPECT_TRUE(file.GetName().IsEmpty());
    EXPECT_EQ(Code("wbob"), file.GetObjectType());
    for (const char* code : {"wbob", "dxob", "name"}) EXPECT_TRUE(file.IsInstanceOf(Code(code))) << code;
    CDxObject plain;
    EXPECT_EQ(Code("dxob"), plain.GetObjectType());
    EXPECT_FALSE(plain.IsInstanceOf(Code("wbob")));
}

TEST(DxObject, SettersAnnounceOnlyChanges)
{
    CDxDmoObject dmo;
    NoticeLog log(dmo);
    EXPECT_TRUE(dmo.SetName("Resizer"));
    EXPECT_TRUE(dmo.SetInstalled(true));
    EXPECT_FALSE(dmo.SetInstalled(true));
    EXPECT_TRUE(dmo.SetId(-7));
    EXPECT_FALSE(dmo.SetId(-7));
    EXPECT_EQ((Codes{"namf", "dxoc", "wboc"}), log.codes);
}

TEST(DxObject, RoundTripsKeepNameInstalledAndId)
{
    CDxFileObject file;
    file.SetName("Subtitle overlay");
    file.SetInstalled(true);
    file.SetId(42);
    for (auto copy : {BinaryCopy(file), XmlCopy(file)}) {
        EXPECT_STREQ("Subtitle overlay", copy->GetName());
        EXPECT_TRUE(copy->GetInstalled());
        EXPECT_EQ(42, copy->GetId());
    }
    std::string xml = XmlText(file);
    EXPECT_TRUE(HasElement(xml, "installed"));
    EXPECT_TRUE(HasElement(xml, "id"));

    std::unique_ptr<CPersistObject> clone(file.Clone());
    auto* cloned = dynamic_cast<CDxFileObject*>(clone.get());
    ASSERT_NE(nullptr, cloned);
    EXPECT_EQ(42, cloned->GetId());
    EXPECT_TRUE(cloned->GetInstalled());
}

TEST(DxObject, StoredWebObjectCodeMakesTheWebObject)
{
    std::unique_ptr<CPersistObject> made(CMetaClassController::CreateOne(Code("wbob")));
    EXPECT_NE(nullptr, dynamic_cast<CWebObject*>(made.get()));
    std::unique_ptr<CPersistObject> dx(CMetaClassController::CreateOne(Code("dxob")));
    EXPECT_NE(nullptr, dynamic_cast<CDxObject*>(dx.get()));
}
