#include "CObjectController2.h"
#include "CPersistList.h"
#include "CPersistObject.h"
#include "CPersistValueList.h"
#include "CPersistStorage.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// A record that is invalid while its flag says so.
class Record : public CPersistObject {
public:
    LONG GetObjectType() const override { return FourCharCode("rcrd"); }
    bool IsInstanceOf(LONG type) const override
    {
        return type == FourCharCode("rcrd") || CPersistObject::IsInstanceOf(type);
    }
    const char* ValidateSelf() override { return invalid ? "The record is incomplete." : nullptr; }
    void SaveSelf(const char* name, CPersistStorage& storage) override
    {
        CPersistObject::SaveSelf(name, storage);
        storage.Save("value", value);
    }
    void LoadSelf(const char* name, CPersistStorage& storage) override
    {
        CPersistObject::LoadSelf(name, storage);
        storage.Load("value", value);
    }

    bool invalid = false;
    LONG value = 0;
};

class LoggingController : public CObjectController2 {
public:
    explicit LoggingController(LONG type) { mExpectedType = type; }
    void SetDefault() override { log.push_back("SetDefault"); }
    void Refresh() override { log.push_back("Refresh"); }

    std::vector<std::string> log;
};

// The page: a listener of the controller.
class Page : public CListener {
public:
    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        if (message != kBroadcasterDyingMessage)
            messages.push_back(message);
        return CListener::ListenToMessage(message, p, q);
    }
    std::vector<long> messages;
};

using Log = std::vector<std::string>;

} // namespace

TEST(CObjectController2, BindsOnlyObjectsOfTheExpectedType)
{
    CPersistList list;
    CPersistList other;
    CPersistValueList values;
    LoggingController controller(FourCharCode("list"));

    EXPECT_TRUE(controller.SetObject(&list, false));
    EXPECT_FALSE(controller.SetObject(&values, true));
    EXPECT_EQ(controller.GetObjectA(), &list);
    EXPECT_EQ(controller.log, Log{"SetDefault"});

    controller.log.clear();
    EXPECT_TRUE(controller.SetObject(&other, true));
    EXPECT_EQ(controller.log, (Log{"Refresh", "SetDefault"}));

    controller.log.clear();
    EXPECT_TRUE(controller.SetObject(nullptr, true));
    EXPECT_EQ(controller.GetObjectA(), nullptr);
    EXPECT_EQ(controller.log, Log{"Refresh"});

    LoggingController untyped(0);
    EXPECT_FALSE(untyped.SetObject(&list, false));
    EXPECT_TRUE(untyped.SetObject(nullptr, false));
}

TEST(CObjectController2, LoadRefreshesAndTellsThePageOnce)
{
    Record source;
    source.value = 42;
    CPersistStorage storage;
    source.Save("record", storage);

    Record record;
    LoggingController controller(FourCharCode("rcrd"));
    Page page;
    controller.AddListener(&page);
    controller.SetObject(&record, false);
    controller.log.clear();

    ULONG size = 0;
    unsigned char* bytes = storage.GetData(size);
    CPersistStorage reader;
    reader.SetData(bytes, size);
    record.Load("record", reader);

    EXPECT_EQ(record.value, 42);
    EXPECT_EQ(controller.log, (Log{"Refresh", "SetDefault", "Refresh"}));
    EXPECT_EQ(page.messages, std::vector<long>{kControllerObjectChangedMessage});
}

TEST(CObjectController2, InvalidRecordTellsThePageInvalidThenChanged)
{
    Record record;
    LoggingController controller(FourCharCode("rcrd"));
    Page page;
    controller.AddListener(&page);
    EXPECT_FALSE(controller.IsValid());
    controller.SetObject(&record, false);
    EXPECT_TRUE(controller.IsValid());

    record.invalid = true;
    EXPECT_FALSE(controller.IsValid());
    EXPECT_TRUE(page.messages.empty());  // IsValid validates without notifying

    record.Validate(true);
    EXPECT_EQ(page.messages,
              (std::vector<long>{kControllerInvalidMessage, kControllerObjectChangedMessage}));

    // A property code the base does not handle reaches the page as nothing.
    page.messages.clear();
    record.Notify(FourCharCode("rcr1"), 0, 0);
    EXPECT_TRUE(page.messages.empty());
    EXPECT_STREQ(controller.GetText(), "");
}

TEST(CObjectController2, ForgetsItsObjectWhenItDies)
{
    LoggingController controller(FourCharCode("rcrd"));
    auto record = std::make_unique<Record>();
    auto bystander = std::make_unique<Record>();
    controller.SetObject(record.get(), false);
    bystander->AddListener(&controller);

    // Another broadcaster's death leaves the binding alone.
    bystander.reset();
    EXPECT_EQ(controller.GetObjectA(), record.get());

    record.reset();
    EXPECT_EQ(controller.GetObjectA(), nullptr);
    EXPECT_FALSE(controller.IsValid());
}

TEST(CObjectController2, DestroyedControllerLeavesTheObject)
{
    Record record;
    Page bystander;
    record.AddListener(&bystander);
    {
        LoggingController controller(FourCharCode("rcrd"));
        controller.SetObject(&record, false);
    }
    // The object notifies without reaching the dead controller.
    record.Notify(kObjectChangedNotice, 0, 0);
    EXPECT_EQ(bystander.messages, std::vector<long>{kNotifyMessage});
}
