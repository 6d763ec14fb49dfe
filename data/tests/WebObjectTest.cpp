#include "CNamedValue.h"
#include "CWebAccount.h"
#include "CWebDescription.h"
#include "CWebObject.h"
#include "DataTestSupport.h"

TEST(WebObject, NameAndIdSurviveBothStorages)
{
    CWebObject object;
    NoticeLog log(object);
    object.SetName("Channel");
    EXPECT_TRUE(object.SetId(-42));
    EXPECT_FALSE(object.SetId(-42));
    EXPECT_EQ((Codes{"namf", "wboc"}), log.codes);
    for (auto copy : {BinaryCopy(object), XmlCopy(object)}) {
        EXPECT_STREQ("Channel", copy->GetName());
        EXPECT_EQ(-42, copy->GetId());
    }
}

TEST(WebAccount, EmailAndPasswordLoseBlanksAndEquals)
{
    CWebAccount account;
    NoticeLog log(account);
    EXPECT_TRUE(account.SetEmail(" me = @ example.org "));
    EXPECT_STREQ("me@example.org", account.GetEmail());
    EXPECT_FALSE(account.SetEmail("me@example.org=="));
    EXPECT_TRUE(account.SetPassword("a b=c"));
    EXPECT_STREQ("abc", account.GetPassword());
    EXPECT_TRUE(account.SetPassword(" = "));
    EXPECT_STREQ("", account.GetPassword());
    EXPECT_FALSE(account.SetPassword("=="));
    EXPECT_EQ((Codes{"wbaf", "wbag", "wbag"}), log.codes);
}

TEST(WebAccount, BecomingNewEmptiesTheAccountSilently)
{
    CWebAccount account;
    EXPECT_TRUE(account.GetNew());
    account.SetNew(false);
    account.SetName("me");
    account.SetEmail("me@example.org");
    account.SetPassword("pw");
    NoticeLog log(account);
    EXPECT_FALSE(account.SetNew(false));
    EXPECT_STREQ("me", account.GetName());
    EXPECT_TRUE(account.SetNew(true));
    EXPECT_STREQ("", account.GetName());
    EXPECT_STREQ("", account.GetEmail());
    EXPECT_STREQ("", account.GetPassword());
    EXPECT_EQ((Codes{"wbah"}), log.codes);
}

TEST(WebAccount, OnlyTheEmailIsStoredAndItEndsTheNewMark)
{
    CWebAccount account;
    account.SetName("me");
    account.SetId(7);
    account.SetEmail("me@example.org");
    account.SetPassword("pw");
    account.SetNew(false);
    std::string xml = XmlText(account);
    EXPECT_TRUE(HasElement(xml, "email"));
    EXPECT_TRUE(HasElement(xml, "name"));
    EXPECT_TRUE(HasElement(xml, "id"));
    EXPECT_EQ(std::string::npos, xml.find("pw"));
    for (auto copy : {BinaryCopy(account), XmlLoad<CWebAccount>(xml)}) {
        EXPECT_STREQ("me@example.org", copy->GetEmail());
        EXPECT_STREQ("", copy->GetPassword());
        EXPECT_FALSE(copy->GetNew());
        // The stored name and id are not taken back.
        EXPECT_STREQ("", copy->GetName());
        EXPECT_EQ(0, copy->GetId());
    }
    CWebAccount empty;
    empty.SetNew(false);
    EXPECT_TRUE(BinaryCopy(empty)->GetNew());
    EXPECT_TRUE(XmlCopy(empty)->GetNew());
}

TEST(WebAccount, AnAccountInsideALargerRecordKeepsTheRestInStep)
{
    // An account followed by another object in one binary stream: the value after the
    // account must still be read from its own place.
    CWebAccount account;
    account.SetName("name that is not an e-mail");
    account.SetId(99);
    account.SetEmail("me@example.org");
    CNamedValue after;
    after.SetName("after");
    after.SetValue("value");
    CPersistStorage out;
    account.Save("account", out);
    after.Save("after", out);
    ULONG size = 0;
    unsigned char* bytes = out.GetData(size);
    CPersistStorage in;
    in.SetData(bytes, size);
    CWebAccount loadedAccount;
    CNamedValue loadedAfter;
    loadedAccount.Load("account", in);
    loadedAfter.Load("after", in);
    EXPECT_FALSE(in.LoadFailed());
    EXPECT_STREQ("me@example.org", loadedAccount.GetEmail());
    EXPECT_STREQ("after", loadedAfter.GetName());
    EXPECT_STREQ("value", loadedAfter.GetValue());
}

TEST(WebDescription, TheDescriptionFollowsNameAndId)
{
    CWebDescription description;
    NoticeLog log(description);
    description.SetName("Show");
    description.SetId(3);
    EXPECT_TRUE(description.SetDescription("Live from the studio"));
    EXPECT_EQ((Codes{"namf", "wboc", "wbdt"}), log.codes);
    CWebDescription assigned;
    assigned = description;
    for (auto copy : {BinaryCopy(description), XmlCopy(description), std::make_shared<CWebDescription>(assigned)}) {
        EXPECT_STREQ("Show", copy->GetName());
        EXPECT_EQ(3, copy->GetId());
        EXPECT_STREQ("Live from the studio", copy->GetDescription());
    }
}
