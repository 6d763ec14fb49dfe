#include "CBroadcaster.h"
#include "CListener.h"

#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <new>
#include <string>
#include <vector>

namespace {

// Records every call in a shared log under its name; an optional hook runs inside the handler.
class Recorder : public CListener {
public:
    Recorder(std::string name, std::vector<std::string>& log) : m_name(std::move(name)), m_log(log) {}

    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        m_log.push_back(m_name + ":" + std::to_string(message));
        if (hook) hook();
        return CListener::ListenToMessage(message, p, q);
    }

    bool Respond(long code, CBroadcaster* sender, long a, long b) override
    {
        lastCode = code;
        lastSender = sender;
        lastA = a;
        lastB = b;
        return handles;
    }

    std::function<void()> hook;
    bool handles = false;
    long lastCode = -1, lastA = -1, lastB = -1;
    CBroadcaster* lastSender = nullptr;

private:
    std::string m_name;
    std::vector<std::string>& m_log;
};

struct BroadcasterTest : ::testing::Test {
    std::vector<std::string> log;
    CBroadcaster sender;
    Recorder a{"A", log}, b{"B", log}, c{"C", log};

    void AddAll()
    {
        sender.AddListener(&a);
        sender.AddListener(&b);
        sender.AddListener(&c);
    }
};

using Log = std::vector<std::string>;

}

TEST_F(BroadcasterTest, LastAddedIsCalledFirst)
{
    AddAll();
    EXPECT_TRUE(sender.Broadcast(7, nullptr, nullptr));
    EXPECT_EQ((Log{"C:7", "B:7", "A:7"}), log);
}

TEST_F(BroadcasterTest, ListeningAndBroadcastingFlags)
{
    AddAll();
    b.StopListening();
    sender.Broadcast(5, nullptr, nullptr);
    EXPECT_EQ((Log{"C:5", "A:5"}), log);
    b.StartListening();
    log.clear();
    sender.StopBroadcasting();
    sender.StopBroadcasting();
    EXPECT_TRUE(sender.Notify(42, 0, 0));
    EXPECT_TRUE(log.empty());
    sender.StartBroadcasting();   // one start undoes any number of stops
    sender.Broadcast(5, nullptr, nullptr);
    EXPECT_EQ((Log{"C:5", "B:5", "A:5"}), log);
}

TEST_F(BroadcasterTest, NotifyReachesRespond)
{
    AddAll();
    EXPECT_TRUE(sender.Notify(0x6C697375, 11, 22));
    EXPECT_EQ(0x6C697375, a.lastCode);
    EXPECT_EQ(&sender, a.lastSender);
    EXPECT_EQ(11, a.lastA);
    EXPECT_EQ(22, a.lastB);

    SNotifyRecord record{3, &sender, 1, 2};
    EXPECT_FALSE(a.ListenToMessage(kNotifyMessage, &record, nullptr));
    a.handles = true;
    EXPECT_TRUE(a.ListenToMessage(kNotifyMessage, &record, nullptr));
    EXPECT_FALSE(a.ListenToMessage(99, nullptr, nullptr));
}

TEST_F(BroadcasterTest, ListenerRemovingItselfLeavesTheOthers)
{
    AddAll();
    b.hook = [&] { sender.RemoveListener(&b); };
    sender.Broadcast(11, nullptr, nullptr);
    EXPECT_EQ((Log{"C:11", "B:11", "A:11"}), log);
    log.clear();
    sender.Broadcast(2, nullptr, nullptr);
    EXPECT_EQ((Log{"C:2", "A:2"}), log);
}

TEST_F(BroadcasterTest, ListenerRemovedBeforeItsTurnIsNotCalledAndNoneTwice)
{
    // C removes B, which has not been called yet: A must still be called once and B not at all.
    AddAll();
    c.hook = [&] { sender.RemoveListener(&b); c.hook = nullptr; };
    sender.Broadcast(3, nullptr, nullptr);
    EXPECT_EQ((Log{"C:3", "A:3"}), log);

    // Removing one already called does not make another run twice.
    log.clear();
    sender.AddListener(&b);   // order now A, C, B
    c.hook = [&] { sender.RemoveListener(&b); c.hook = nullptr; };
    sender.Broadcast(4, nullptr, nullptr);
    EXPECT_EQ((Log{"B:4", "C:4", "A:4"}), log);
}

TEST_F(BroadcasterTest, ListenerAddedDuringBroadcastWaitsForTheNext)
{
    sender.AddListener(&a);
    a.hook = [&] { sender.AddListener(&b); a.hook = nullptr; };
    sender.Broadcast(11, nullptr, nullptr);
    EXPECT_EQ((Log{"A:11"}), log);
    log.clear();
    sender.Broadcast(2, nullptr, nullptr);
    EXPECT_EQ((Log{"B:2", "A:2"}), log);
}

TEST_F(BroadcasterTest, ListenerDeletedByAnotherHandlerIsNotCalled)
{
    auto doomed = std::make_unique<Recorder>("D", log);
    sender.AddListener(&a);
    sender.AddListener(doomed.get());
    sender.AddListener(&c);
    c.hook = [&] { doomed.reset(); };
    sender.Broadcast(6, nullptr, nullptr);
    EXPECT_EQ((Log{"C:6", "A:6"}), log);
}

TEST_F(BroadcasterTest, HandlerDeletingTheSenderEndsTheBroadcast)
{
    auto owned = std::make_unique<CBroadcaster>();
    owned->AddListener(&a);
    owned->AddListener(&b);
    b.hook = [&] { b.hook = nullptr; owned.reset(); };
    owned->Broadcast(8, nullptr, nullptr);
    // B deleted the sender: its dying message went to both, then nothing more.
    EXPECT_EQ((Log{"B:8", "B:0", "A:0"}), log);
}

TEST_F(BroadcasterTest, DyingListenerLeavesEveryBroadcaster)
{
    CBroadcaster other;
    {
        Recorder temp("T", log);
        sender.AddListener(&temp);
        other.AddListener(&temp);
        sender.AddListener(&a);
    }
    sender.Broadcast(11, nullptr, nullptr);
    other.Broadcast(2, nullptr, nullptr);
    EXPECT_EQ((Log{"A:11"}), log);
}

TEST_F(BroadcasterTest, DyingBroadcasterSendsZeroEvenWhenStopped)
{
    {
        CBroadcaster temp;
        temp.AddListener(&a);
        temp.AddListener(&b);
        temp.StopBroadcasting();
    }
    EXPECT_EQ((Log{"B:0", "A:0"}), log);
    // Both dropped it: destroying them now must not touch the dead broadcaster (ASan watches).
}

TEST_F(BroadcasterTest, ListenerIgnoringZeroKeepsNoStalePointer)
{
    struct Deaf : CListener {
        bool ListenToMessage(long, const void*, const void*) override
        {
            ++heard;
            return true;
        }
        int heard = 0;
    };
    auto deaf = std::make_unique<Deaf>();
    // A new broadcaster in the dead one's place: a stale pointer to the old one would name it.
    alignas(CBroadcaster) unsigned char place[sizeof(CBroadcaster)];
    auto* temp = new (place) CBroadcaster;
    temp->AddListener(deaf.get());
    temp->~CBroadcaster();
    auto* again = new (place) CBroadcaster;
    {
        // A copy registers with every broadcaster the original still names.
        Deaf copy(*deaf);
        copy.heard = 0;
        again->Broadcast(5, nullptr, nullptr);
        EXPECT_EQ(0, copy.heard);
    }
    again->~CBroadcaster();
    deaf.reset();   // would call RemoveListener on the dead broadcaster (ASan watches)
}

TEST_F(BroadcasterTest, NullAndAbsentListenersChangeNothing)
{
    sender.AddListener(nullptr);
    sender.RemoveListener(nullptr);
    sender.RemoveListener(&a);
    sender.AddListener(&b);
    sender.Broadcast(11, nullptr, nullptr);
    EXPECT_EQ((Log{"B:11"}), log);
}

TEST_F(BroadcasterTest, ListenerAddedTwiceIsCalledTwice)
{
    sender.AddListener(&a);
    sender.AddListener(&a);
    sender.Broadcast(11, nullptr, nullptr);
    EXPECT_EQ((Log{"A:11", "A:11"}), log);
    sender.RemoveListener(&a);
    log.clear();
    sender.Broadcast(2, nullptr, nullptr);
    EXPECT_EQ((Log{"A:2"}), log);
}

TEST_F(BroadcasterTest, CopiesStayKnownToBothSides)
{
    sender.AddListener(&a);
    {
        CBroadcaster copy(sender);
        copy.Broadcast(4, nullptr, nullptr);
        Recorder listenerCopy(a);
        sender.Broadcast(5, nullptr, nullptr);
    }
    EXPECT_EQ((Log{"A:4", "A:5", "A:5", "A:0"}), log);
    log.clear();
    sender.Broadcast(6, nullptr, nullptr);
    EXPECT_EQ((Log{"A:6"}), log);
}
