#include "CProgressAction.h"

#include <gtest/gtest.h>

namespace {

class Step : public CProgressAction {
public:
    Step(const char* text, double progress, CProgressAction* child = nullptr)
        : mText(text), mProgress(progress), mChild(child)
    {
    }
    char* GetText() override { return const_cast<char*>(mText); }
    double GetProgress() override { return mProgress; }
    CProgressAction* GetChildAction() override { return mChild; }

private:
    const char* mText;
    double mProgress;
    CProgressAction* mChild;
};

} // namespace

TEST(CProgressAction, DetailComesFromTheChild)
{
    CProgressAction base;
    EXPECT_STREQ(base.GetText(), "");
    EXPECT_EQ(base.GetProgress(), 0);
    EXPECT_FALSE(base.HasDetail());
    double progress = -1;
    EXPECT_EQ(base.GetDetail(progress), nullptr);
    EXPECT_EQ(progress, 0);

    Step child("Converting", 0.25);
    Step parent("Speaking", 0.5, &child);
    EXPECT_TRUE(parent.HasDetail());
    EXPECT_STREQ(parent.GetDetail(progress), "Converting");
    EXPECT_EQ(progress, 0.25);
}
