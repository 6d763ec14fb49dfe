#include "CPersistObject.h"
#include "CPersistStorage.h"
#include "CWebParam.h"
#include "CWebXml.h"
#include "UPersistUtils.h"
#include "UUrlEncoder.h"

#include <gtest/gtest.h>
#include <string>

namespace {

class VersionRecord : public CPersistObject {
public:
    CString version;
    LONG build = 0;
    void LoadSelf(const char* n, CPersistStorage& s) override
    {
        CPersistObject::LoadSelf(n, s);
        UPersistUtils::Load(s, "version", version);
        s.Load("build", build);
    }
};

const std::string kHeader = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n";

}

TEST(UrlEncoder, KeepsTheSafeBytesAndEncodesTheRest)
{
    const struct {
        const char* text;
        const char* encoded;
    } cases[] = {
        {"", ""},
        {"AZaz09!'()*-._", "AZaz09!'()*-._"},
        {"a b", "a%20b"},
        {"a&b=c", "a%26b%3Dc"},
        {"~/?#+%", "%7E%2F%3F%23%2B%25"},
        {"\xC3\xA9", "%C3%A9"},
    };
    for (const auto& c : cases) EXPECT_EQ(CString(c.encoded), UUrlEncoder::EncodeParam(c.text)) << c.text;
    EXPECT_EQ(CString(""), UUrlEncoder::EncodeParam(nullptr));
}

TEST(WebXml, ParametersMakeTheQuery)
{
    CWebParam param;
    param.SetName("a");
    EXPECT_EQ(CString(""), param.GetParam());
    param.SetValue("1");
    EXPECT_EQ(CString("a=1"), param.GetParam());

    CWebXml web;
    web.SetSite("http://example.org");
    web.SetPath("/check.php");
    EXPECT_EQ(CString("http://example.org/check.php"), web.GetUrl());
    web.AddParam("id", 98102);
    EXPECT_EQ(CString("id=98102"), web.GetParams());
    web.AddParam("empty", "");
    web.AddParam("name", "a b&c");
    EXPECT_EQ(CString("id=98102&&name=a%20b%26c"), web.GetParams());
    EXPECT_EQ(CString("http://example.org/check.php?id=98102&&name=a%20b%26c"), web.GetUrl());

    CWebXml copy(web);
    web.Reset();
    EXPECT_EQ(CString(""), web.GetParams());
    EXPECT_EQ(CString("id=98102&&name=a%20b%26c"), copy.GetParams());
}

TEST(WebXml, AnswersAreReadForResultMessageAndData)
{
    CWebXml web;
    EXPECT_TRUE(web.ReadAnswer((kHeader + "<reply>\r\n<result>1</result>\r\n</reply>").c_str()));
    EXPECT_EQ(CString(""), web.GetMessage());

    EXPECT_FALSE(
        web.ReadAnswer((kHeader + "<reply><result>0</result><message>Wrong key &amp; id</message></reply>").c_str()));
    EXPECT_EQ(CString("Wrong key & id"), web.GetMessage());

    VersionRecord record;
    web.SetObject(&record);
    EXPECT_TRUE(web.ReadAnswer(
        (kHeader + "<r><data><version>2.1</version><build>17</build></data><result>7</result></r>").c_str()));
    EXPECT_EQ(CString("2.1"), record.version);
    EXPECT_EQ(17, record.build);

    // Not XML, no result, a result that is no number: false, and nothing is loaded.
    record.build = 0;
    const std::string failures[] = {
        "<html>Server error</html>",
        kHeader + "<reply><message>busy</message><data><build>3</build></data></reply>",
        kHeader + "<reply><result>yes</result><data><build>3</build></data></reply>",
        kHeader + "<reply><result>",
    };
    for (const std::string& text : failures) {
        CWebXml other;
        other.SetObject(&record);
        EXPECT_FALSE(other.ReadAnswer(text.c_str())) << text;
    }
    EXPECT_EQ(0, record.build);
}

TEST(WebXml, NoConnectionGivesTheConnectionMessage)
{
    CWebXml web;
    web.SetSite("http://127.0.0.1:1");
    web.SetPath("/check.php");
    web.AddParam("id", 98102);
    EXPECT_FALSE(web.Run());
    EXPECT_EQ(CString("Unable to connect to http://127.0.0.1:1"), web.GetMessage());

    web.SetSite("http://bad host name");
    EXPECT_FALSE(web.Run());
    EXPECT_EQ(CString("Unable to connect to http://bad host name"), web.GetMessage());
}
