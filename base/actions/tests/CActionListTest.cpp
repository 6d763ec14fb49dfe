#include "CActionList.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

// Records which actions are alive so that deletions can be checked by name.
struct ActionLog {
    std::set<std::string> alive;
    std::string done;
};

class NamedAction : public CAction {
public:
    NamedAction(ActionLog& log, std::string name, bool canDo = true, bool canUndo = true)
        : mCanDo(canDo), mLog(log), mName(std::move(name)), mCanUndo(canUndo)
    {
        mLog.alive.insert(mName);
    }
    ~NamedAction() override { mLog.alive.erase(mName); }

    bool mCanDo;

private:
    bool DoSelf() override
    {
        if (mCanDo)
            mLog.done += "+" + mName;
        return mCanDo;
    }
    bool UndoSelf() override
    {
        if (mCanUndo)
            mLog.done += "-" + mName;
        return mCanUndo;
    }

    ActionLog& mLog;
    std::string mName;
    bool mCanUndo;
};

class CActionListTest : public ::testing::Test {
protected:
    NamedAction* Record(const char* name, bool canDo = true, bool canUndo = true)
    {
        auto* action = new NamedAction(log, name, canDo, canUndo);
        if (!action->Do(true))
            delete action;
        return action;
    }

    ActionLog log;
    CActionList list;
};

} // namespace

TEST_F(CActionListTest, NewActionReplacesTheUndoneOnes)
{
    NamedAction* a = Record("A");
    Record("B");
    Record("C");
    list.Undo();
    list.Undo();
    EXPECT_EQ(list.GetCurrent(), a);
    NamedAction* d = Record("D");

    EXPECT_EQ(log.alive, (std::set<std::string>{"A", "D"}));
    ASSERT_EQ(list.GetActionCount(), 2);
    EXPECT_EQ(list.GetAction(0), a);
    EXPECT_EQ(list.GetAction(1), d);
    EXPECT_EQ(list.GetCurrent(), d);
    EXPECT_EQ(log.done, "+A+B+C-C-B+D");
}

TEST_F(CActionListTest, UndoingEverythingThenDoingDeletesAll)
{
    Record("A");
    Record("B");
    list.Undo();
    list.Undo();
    EXPECT_EQ(list.GetCurrent(), nullptr);
    list.Undo();  // nothing left to undo
    Record("C");
    EXPECT_EQ(log.alive, std::set<std::string>{"C"});
    EXPECT_EQ(list.GetActionCount(), 1);
}

TEST_F(CActionListTest, CanDoAndCanUndoFollowThePosition)
{
    EXPECT_FALSE(list.CanUndo());
    EXPECT_FALSE(list.CanDo());
    Record("A");
    EXPECT_TRUE(list.CanUndo());
    EXPECT_FALSE(list.CanDo());
    list.Undo();
    EXPECT_FALSE(list.CanUndo());
    EXPECT_TRUE(list.CanDo());
    list.Do();
    EXPECT_TRUE(list.CanUndo());
    EXPECT_FALSE(list.CanDo());
    EXPECT_EQ(log.done, "+A-A+A");
}

TEST_F(CActionListTest, FailuresLeaveThePositionAlone)
{
    NamedAction failing(log, "F", false);
    EXPECT_FALSE(failing.Do(true));
    EXPECT_EQ(list.GetActionCount(), 0);

    NamedAction* stuck = Record("S", true, false);
    list.Undo();
    EXPECT_EQ(list.GetCurrent(), stuck);
    EXPECT_TRUE(stuck->IsDone());

    // A done action that fails again still reports done.
    stuck->mCanDo = false;
    EXPECT_TRUE(stuck->Do(false));

    NamedAction* redoFails = Record("R");
    list.Undo();
    redoFails->mCanDo = false;
    list.Do();
    EXPECT_EQ(list.GetCurrent(), stuck);
}

TEST_F(CActionListTest, ClearAfterDeletesOnlyLaterActions)
{
    NamedAction* a = Record("A");
    Record("B");
    Record("C");
    NamedAction stranger(log, "X");
    list.ClearAfter(&stranger);
    EXPECT_EQ(list.GetActionCount(), 3);

    list.ClearAfter(a);
    EXPECT_EQ(log.alive, (std::set<std::string>{"A", "X"}));
    EXPECT_EQ(list.GetCurrent(), a);

    list.ClearAfter(nullptr);
    EXPECT_EQ(log.alive, std::set<std::string>{"X"});
    EXPECT_EQ(list.GetCurrent(), nullptr);
    EXPECT_FALSE(list.CanUndo());
}

TEST_F(CActionListTest, RecordingAnActionAgainKeepsIt)
{
    NamedAction* a = Record("A");
    NamedAction* b = Record("B");
    list.Undo();
    EXPECT_TRUE(b->Do(true));
    EXPECT_EQ(log.alive, (std::set<std::string>{"A", "B"}));
    ASSERT_EQ(list.GetActionCount(), 2);
    EXPECT_EQ(list.GetAction(0), a);
    EXPECT_EQ(list.GetCurrent(), b);
}

TEST(CActionListGlobal, RecordsIntoTheLatestListOnly)
{
    ActionLog log;
    {
        CActionList list;
        EXPECT_EQ(CActionList::sActionList, &list);
    }
    EXPECT_EQ(CActionList::sActionList, nullptr);
    NamedAction unrecorded(log, "U");
    EXPECT_TRUE(unrecorded.Do(true));  // nobody takes it over

    CActionList list;
    NamedAction local(log, "L");
    EXPECT_TRUE(local.Do(false));
    EXPECT_EQ(list.GetActionCount(), 0);
}
