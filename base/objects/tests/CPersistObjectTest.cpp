#include "CListener.h"
#include "CMetaClassController.h"
#include "CPersistHandle.h"
#include "CPersistList.h"
#include "CPersistStorage.h"
#include "CPersistValueList.h"
#include "CTaggedCollection.h"
#include "CTaggedHandle.h"

#include <gtest/gtest.h>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

// The saved bytes of one storage, set into another for loading.
void Transfer(CPersistStorage& from, CPersistStorage& to)
{
    ULONG size = 0;
    unsigned char* data = from.GetData(size);
    to.SetData(data, size);
}

// A record with a field of every kind: numbers, text, a byte block, a nested handle
// object and an owned list.
class CTestRecord : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CTestRecord)
public:
    CTestRecord& operator=(const CTestRecord& other)
    {
        if (this == &other) return *this;
        CPersistObject::operator=(other);
        number = other.number;
        ratio = other.ratio;
        name = other.name;
        bytes = other.bytes;
        handle = other.handle;
        children = other.children;
        values = other.values;
        return *this;
    }

    const char* ValidateSelf() override { return number < 0 ? "Number must not be negative." : nullptr; }

    void SaveSelf(const char* n, CPersistStorage& s) override
    {
        CPersistObject::SaveSelf(n, s);
        s.Save("number", number);
        s.Save("ratio", ratio);
        s.Save("name", name.c_str());
        s.Save("bytes", bytes);
        handle.Save("handle", s);
        children.Save("children", s);
        values.Save("values", s);
    }

    void LoadSelf(const char* n, CPersistStorage& s) override
    {
        CPersistObject::LoadSelf(n, s);
        s.Load("number", number);
        s.Load("ratio", ratio);
        ULONG length = 0;
        s.LoadStringLength("name", length);
        std::vector<char> text(length ? length : 1);
        s.Load("name", text.data());
        name = text.data();
        s.Load("bytes", bytes);
        handle.Load("handle", s);
        children.Load("children", s);
        values.Load("values", s);
    }

    LONG number = 0;
    double ratio = 0;
    std::string name;
    CHandle bytes;
    CPersistHandle handle;
    CPersistList children;
    CPersistValueList values;
};

MV_IMPLEMENT_PERSIST_CLASS(CTestRecord, CPersistObject, FourCharCode("tsrc"))
MV_REGISTER_PERSIST_CLASS(CTestRecord)

// Records the notices it hears, as (code, a) pairs.
class NoticeLog : public CListener {
public:
    bool Respond(long code, CBroadcaster*, long a, long) override
    {
        notices.push_back({code, a});
        return true;
    }
    std::vector<std::pair<long, long>> notices;
};

const unsigned char* U(const char* s) { return reinterpret_cast<const unsigned char*>(s); }

std::unique_ptr<CTestRecord> MakeTree()
{
    auto root = std::make_unique<CTestRecord>();
    root->number = 42;
    root->ratio = 0.375;
    root->name = "r\xC3\xA9sum\xC3\xA9";
    root->bytes.Append(U("\x00\x01\xFF"), 3);
    root->handle.SetData("payload", 7);
    auto* child = new CTestRecord;
    child->number = 7;
    child->name = "child";
    child->values.Add(-3);
    root->children.Add(child);
    auto* tagged = new CTaggedHandle;
    tagged->SetTag(0xABCD);
    tagged->SetData("tagged", 6);
    root->children.Add(tagged);
    root->values.Add(1);
    root->values.Add(2);
    return root;
}

bool SameBytes(const CHandle& a, const CHandle& b)
{
    return a.GetSize() == b.GetSize() && (a.GetSize() == 0 || std::memcmp(a.GetBuffer(), b.GetBuffer(), a.GetSize()) == 0);
}

void ExpectSameTree(const CTestRecord& a, const CTestRecord& b)
{
    EXPECT_EQ(a.number, b.number);
    EXPECT_EQ(a.ratio, b.ratio);
    EXPECT_EQ(a.name, b.name);
    EXPECT_TRUE(SameBytes(a.bytes, b.bytes));
    EXPECT_TRUE(SameBytes(a.handle.GetData(), b.handle.GetData()));
    ASSERT_EQ(a.values.GetItemCount(), b.values.GetItemCount());
    for (int i = 0; i < a.values.GetItemCount(); ++i) EXPECT_EQ(a.values.GetAt(i), b.values.GetAt(i));
    ASSERT_EQ(a.children.GetItemCount(), b.children.GetItemCount());
    for (int i = 0; i < a.children.GetItemCount(); ++i) {
        CPersistObject* x = a.children.GetAt(i);
        CPersistObject* y = b.children.GetAt(i);
        ASSERT_EQ(x->GetObjectType(), y->GetObjectType());
        EXPECT_EQ(x->GetObjectId(), y->GetObjectId());
        if (x->GetObjectType() == FourCharCode("tsrc"))
            ExpectSameTree(*static_cast<CTestRecord*>(x), *static_cast<CTestRecord*>(y));
        if (x->GetObjectType() == FourCharCode("tghd")) {
            auto* tx = static_cast<CTaggedHandle*>(x);
            auto* ty = static_cast<CTaggedHandle*>(y);
            EXPECT_EQ(tx->GetTag(), ty->GetTag());
            EXPECT_TRUE(SameBytes(tx->GetData(), ty->GetData()));
        }
    }
}

std::vector<unsigned char> Stream(CPersistStorage& storage)
{
    ULONG size = 0;
    unsigned char* data = storage.GetData(size);
    return std::vector<unsigned char>(data, data + size);
}

}

TEST(CPersistObject, IdsAndVersion)
{
    CPersistObject a, b;
    EXPECT_EQ(a.GetObjectId() + 1, b.GetObjectId());
    CPersistObject c(a);
    EXPECT_EQ(b.GetObjectId() + 1, c.GetObjectId());
    c = a;   // assignment keeps the id
    EXPECT_EQ(b.GetObjectId() + 1, c.GetObjectId());
    EXPECT_EQ(2500u, a.GetObjectVersion());
    EXPECT_FALSE(a.IsInstanceOf(0));
    EXPECT_EQ(0, a.GetObjectType());
}

TEST(CPersistObject, LoadedIdsMoveTheCounter)
{
    CPersistStorage s;
    s.Save("obj id", ULONG(CPersistObject::sObjectId + 500));
    s.Save("obj ver", ULONG(17));
    s.Save("obj id", ULONG(3));
    s.Save("obj ver", ULONG(1));
    CPersistStorage t;
    Transfer(s, t);
    ULONG high = CPersistObject::sObjectId + 500;
    CPersistObject first;
    NoticeLog log;
    first.AddListener(&log);
    first.Load("x", t);
    EXPECT_EQ(high, first.GetObjectId());
    EXPECT_EQ(high + 1, CPersistObject::sObjectId);
    EXPECT_EQ(2500u, first.GetObjectVersion());
    ASSERT_EQ(1u, log.notices.size());
    EXPECT_EQ(kObjectChangedNotice, log.notices[0].first);
    CPersistObject second;
    second.Load("x", t);
    EXPECT_EQ(3u, second.GetObjectId());
    EXPECT_EQ(high + 2, CPersistObject::sObjectId);   // 'second' itself took high + 1
    first.RemoveListener(&log);
}

TEST(CPersistObject, ValidateNotifiesOnlyWhenAsked)
{
    CTestRecord r;
    NoticeLog log;
    r.AddListener(&log);
    EXPECT_EQ(nullptr, r.Validate(true));
    r.number = -1;
    EXPECT_STREQ("Number must not be negative.", r.Validate(false));
    EXPECT_TRUE(log.notices.empty());
    EXPECT_NE(nullptr, r.Validate(true));
    ASSERT_EQ(1u, log.notices.size());
    EXPECT_EQ(kObjectInvalidNotice, log.notices[0].first);
    r.RemoveListener(&log);
}

TEST(CPersistObject, NestedTreeRoundTripsThroughTheBinaryStorage)
{
    auto original = MakeTree();
    CPersistStorage out;
    original->SaveComplete(out);
    std::vector<unsigned char> bytes = Stream(out);

    CPersistStorage in;
    in.SetData(bytes.data(), static_cast<ULONG>(bytes.size()));
    std::unique_ptr<CPersistObject> loaded(CPersistObject::LoadComplete(in));
    ASSERT_NE(nullptr, loaded);
    ASSERT_EQ(FourCharCode("tsrc"), loaded->GetObjectType());
    EXPECT_FALSE(in.LoadFailed());
    auto* copy = static_cast<CTestRecord*>(loaded.get());
    EXPECT_NE(original.get(), copy);
    EXPECT_EQ(original->GetObjectId(), copy->GetObjectId());
    ExpectSameTree(*original, *copy);

    // Saving the loaded tree again gives the same bytes.
    CPersistStorage again;
    copy->SaveComplete(again);
    EXPECT_EQ(bytes, Stream(again));
}

TEST(CPersistObject, LoadCompleteOfUnknownOrBrokenStreams)
{
    CPersistStorage unknown;
    unknown.Save("object", FourCharCode("zzzz"));
    CPersistStorage in;
    Transfer(unknown, in);
    EXPECT_EQ(nullptr, CPersistObject::LoadComplete(in));

    auto original = MakeTree();
    CPersistStorage out;
    original->SaveComplete(out);
    std::vector<unsigned char> bytes = Stream(out);
    for (size_t cut : {size_t(4), size_t(10), bytes.size() / 2, bytes.size() - 1}) {
        CPersistStorage part;
        part.SetData(bytes.data(), static_cast<ULONG>(cut));
        EXPECT_EQ(nullptr, CPersistObject::LoadComplete(part)) << cut;
    }
}

TEST(CPersistList, NoticesOfAddRemoveAndClear)
{
    NoticeLog log;
    auto* a = new CPersistHandle;
    auto* b = new CPersistHandle;
    auto* c = new CPersistHandle;
    {
        CPersistList list;
        list.AddListener(&log);
        list.Add(a);
        list.AddAt(b, 99);
        EXPECT_EQ(1, list.GetIndex(b));
        CPersistHandle absent;
        list.Remove(&absent);
        list.AddAt(c, 0);
        EXPECT_EQ(c, list.GetAt(0));
        EXPECT_EQ(nullptr, list.GetAt(3));
        list.Clear();   // owning: deletes, last first
        list.RemoveListener(&log);
    }
    const long lisu = CPersistList::kListItemAddedNotice, lisv = CPersistList::kListItemRemovedNotice;
    auto A = [](CPersistObject* p) { return reinterpret_cast<long>(p); };
    std::vector<std::pair<long, long>> want = {{lisu, A(a)}, {lisu, A(b)}, {lisv, 0}, {lisu, A(c)},
                                                {lisv, A(b)}, {lisv, A(a)}, {lisv, A(c)}};
    ASSERT_EQ(want.size(), log.notices.size());
    for (size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(want[i].first, log.notices[i].first) << i;
        if (want[i].second) {
            EXPECT_EQ(want[i].second, log.notices[i].second) << i;
        }
    }
}

TEST(CPersistList, NonOwningListOnlyForgets)
{
    CPersistHandle item;
    {
        CPersistList list(false);
        list.Add(&item);
        list.Remove(&item);
        list.Add(&item);
    }
    item.SetData("still here", 10);
    EXPECT_EQ(10u, item.GetData().GetSize());
}

TEST(CPersistList, AssignmentClonesInOrder)
{
    CPersistList from;
    auto* first = new CTaggedHandle;
    first->SetTag(1);
    auto* second = new CTaggedHandle;
    second->SetTag(2);
    from.Add(first);
    from.Add(second);
    CPersistList to;
    to.Add(new CPersistHandle);
    to = from;
    ASSERT_EQ(2, to.GetItemCount());
    for (int i = 0; i < 2; ++i) {
        EXPECT_NE(from.GetAt(i), to.GetAt(i));
        EXPECT_NE(from.GetAt(i)->GetObjectId(), to.GetAt(i)->GetObjectId());
        EXPECT_EQ(ULONG(i + 1), static_cast<CTaggedHandle*>(to.GetAt(i))->GetTag());
    }
    CPersistList copy(from);
    EXPECT_EQ(2, copy.GetItemCount());
    EXPECT_NE(from.GetAt(0), copy.GetAt(0));
}

TEST(CPersistList, LoadingCreatesItemsThenNotifies)
{
    CPersistList saved;
    for (int i = 0; i < 3; ++i) saved.Add(new CPersistHandle);
    CPersistStorage out;
    saved.Save("list", out);
    CPersistStorage in;
    Transfer(out, in);

    CPersistList loaded;
    loaded.Add(new CPersistHandle);
    NoticeLog log;
    loaded.AddListener(&log);
    loaded.Load("list", in);
    ASSERT_EQ(3, loaded.GetItemCount());
    std::vector<long> codes;
    for (auto& n : log.notices) codes.push_back(n.first);
    const long lisu = CPersistList::kListItemAddedNotice, lisv = CPersistList::kListItemRemovedNotice;
    EXPECT_EQ((std::vector<long>{lisv, lisu, lisu, lisu, kObjectChangedNotice}), codes);
    EXPECT_GT(CPersistObject::sObjectId, loaded.GetAt(2)->GetObjectId());
    loaded.RemoveListener(&log);
}

TEST(CPersistList, TypeZeroUsesTheChildClassId)
{
    // count 2; item 0 of type 0, item 1 of type 0: created as the child class, or skipped.
    CPersistStorage out;
    out.Save("obj id", ULONG(1));
    out.Save("obj ver", ULONG(2500));
    out.Save("count", LONG(1));
    out.Save("type 0", LONG(0));
    CPersistHandle item;
    item.SetData("abc", 3);
    item.Save("item 0", out);
    ULONG size;
    unsigned char* data = out.GetData(size);

    CPersistStorage in;
    in.SetData(data, size);
    CPersistList withChild;
    withChild.SetChildClassId(FourCharCode("pshd"));
    withChild.Load("list", in);
    ASSERT_EQ(1, withChild.GetItemCount());
    EXPECT_EQ(3u, static_cast<CPersistHandle*>(withChild.GetAt(0))->GetData().GetSize());

    in.SetData(data, size);
    CPersistList without;
    without.Load("list", in);
    EXPECT_EQ(0, without.GetItemCount());
    EXPECT_TRUE(in.LoadFailed());   // the skipped item's bytes leave the stream out of step
}

TEST(CPersistList, HostileCountsEndWithTheStream)
{
    // A count of two billion with nothing behind it, and a list nested in itself far too deep.
    CPersistStorage out;
    out.Save("obj id", ULONG(1));
    out.Save("obj ver", ULONG(2500));
    out.Save("count", LONG(0x7FFFFFFF));
    CPersistStorage in;
    Transfer(out, in);
    CPersistList list;
    list.Load("list", in);
    EXPECT_EQ(0, list.GetItemCount());
    EXPECT_TRUE(in.LoadFailed());

    CPersistStorage deep;
    for (int i = 0; i < 5000; ++i) {
        deep.Save("obj id", ULONG(1));
        deep.Save("obj ver", ULONG(2500));
        deep.Save("count", LONG(1));
        deep.Save("type 0", FourCharCode("list"));
    }
    CPersistStorage deepIn;
    Transfer(deep, deepIn);
    CPersistList nested;
    nested.Load("list", deepIn);
    EXPECT_TRUE(deepIn.LoadFailed());
    EXPECT_EQ(0, nested.GetItemCount());
}

TEST(CPersistValueList, NoticesAndLoad)
{
    CPersistValueList values;
    NoticeLog log;
    values.AddListener(&log);
    values.SetCompareFunction([](LONG a, LONG b) { return static_cast<int>(a - b); });
    values.Add(5);
    values.Add(1);
    values.AddAt(9, 99);
    values.Remove(42);
    EXPECT_EQ(1, values.GetAt(0));
    EXPECT_EQ(0, values.GetAt(3));
    ASSERT_EQ(4u, log.notices.size());
    EXPECT_EQ(CPersistValueList::kValueRemovedNotice, log.notices[3].first);
    EXPECT_EQ(42, log.notices[3].second);

    CPersistStorage out;
    values.Save("v", out);
    CPersistStorage in;
    Transfer(out, in);
    CPersistValueList loaded;
    NoticeLog loadLog;
    loaded.AddListener(&loadLog);
    loaded.Load("v", in);
    EXPECT_EQ(3, loaded.GetItemCount());
    EXPECT_EQ(9, loaded.GetAt(2));
    ASSERT_EQ(1u, loadLog.notices.size());   // values load without notices
    log.notices.clear();
    values.Clear();
    EXPECT_TRUE(log.notices.empty());
    values.RemoveListener(&log);
    loaded.RemoveListener(&loadLog);
}

TEST(CTaggedHandle, TagPropertyAndPersistence)
{
    CTaggedHandle h;
    NoticeLog log;
    h.AddListener(&log);
    EXPECT_TRUE(h.SetTag(77));
    EXPECT_FALSE(h.SetTag(77));
    ASSERT_EQ(1u, log.notices.size());
    EXPECT_EQ(CTaggedHandle::kTagChangedNotice, log.notices[0].first);
    h.SetData("xyz", 3);
    h.Clear();
    EXPECT_EQ(77u, h.GetTag());   // Clear leaves the tag
    EXPECT_EQ(0u, h.GetData().GetSize());
    h.SetData("xyz", 3);

    CPersistStorage out;
    h.Save("t", out);
    CPersistStorage in;
    Transfer(out, in);
    CTaggedHandle back;
    back.Load("t", in);
    EXPECT_EQ(77u, back.GetTag());
    EXPECT_EQ(3u, back.GetData().GetSize());
    h.RemoveListener(&log);
}

TEST(CTaggedCollection, AddTagReplacesBytes)
{
    CTaggedCollection collection;
    collection.AddTag(5, U("first"), 5);
    CTaggedHandle* h = collection.AddTag(5, U("second!"), 7);
    EXPECT_EQ(1, collection.GetItemCount());
    EXPECT_EQ(h, collection.FindTag(5));
    EXPECT_EQ(7u, h->GetData().GetSize());
    EXPECT_EQ(nullptr, collection.FindTag(6));
    // An item of another type (as a loaded stream could bring) is passed over.
    collection.Add(new CPersistHandle);
    EXPECT_EQ(nullptr, collection.FindTag(0));
}

TEST(Registration, BaseClassesAreCreatedByCode)
{
    const struct { LONG code; bool list; } classes[] = {{FourCharCode("pshd"), false}, {FourCharCode("list"), true},
        {FourCharCode("vals"), true}, {FourCharCode("tghd"), false}, {FourCharCode("tgcl"), true}};
    for (auto c : classes) {
        std::unique_ptr<CPersistObject> object(CMetaClassController::CreateOne(c.code));
        ASSERT_NE(nullptr, object) << c.code;
        EXPECT_EQ(c.code, object->GetObjectType());
        EXPECT_TRUE(object->IsInstanceOf(c.code));
        EXPECT_FALSE(object->IsInstanceOf(0));
        EXPECT_EQ(c.list, object->IsList()) << c.code;
    }
    EXPECT_EQ(0x70736864, FourCharCode("pshd"));
    CTaggedCollection collection;
    EXPECT_TRUE(collection.IsInstanceOf(FourCharCode("list")));
}

TEST(CPersistObject, CompleteSaveAndLoadUseTheSameObjectName)
{
    // A storage that notes the object names it is given, as named storages use them.
    struct NamedStorage : CPersistStorage {
        void EnterObject(const char* name) override { names.emplace_back(name); }
        std::vector<std::string> names;
    };
    NamedStorage storage;
    CPersistHandle handle;
    handle.SaveComplete(storage);
    Transfer(storage, storage);
    std::unique_ptr<CPersistObject> loaded(CPersistObject::LoadComplete(storage));
    ASSERT_NE(nullptr, loaded);
    EXPECT_EQ((std::vector<std::string>{"content", "content"}), storage.names);
}

TEST(CTaggedHandle, SetterValidatesThenNotifiesThenRunsItsSideEffect)
{
    struct Even : CTaggedHandle {
        ULONG ValidateTag(ULONG tag) override { return tag & ~1u; }
        void SideEffectTagChanged() override { events.push_back("side effect"); }
        std::vector<std::string> events;
    };
    struct Log : CListener {
        explicit Log(Even& h) : handle(h) {}
        bool Respond(long, CBroadcaster*, long, long) override
        {
            handle.events.push_back("notice " + std::to_string(handle.GetTag()));
            return true;
        }
        Even& handle;
    };
    Even h;
    Log log(h);
    h.AddListener(&log);
    EXPECT_TRUE(h.SetTag(5));
    EXPECT_EQ(4u, h.GetTag());
    EXPECT_FALSE(h.SetTag(5));   // validated to the value it has
    EXPECT_EQ((std::vector<std::string>{"notice 4", "side effect"}), h.events);
    h.RemoveListener(&log);
}
