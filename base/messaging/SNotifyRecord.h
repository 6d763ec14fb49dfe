#pragma once
// What message 1 carries: the notification code, its sender and two arguments
// (long: the arguments may carry pointers).
class CBroadcaster;

struct SNotifyRecord {
    long code;
    CBroadcaster* sender;
    long a;
    long b;
};

enum : long {
    kBroadcasterDyingMessage = 0,
    kNotifyMessage = 1,
};

enum : long {
    kObjectChangedNotice = 1,
    kObjectInvalidNotice = 2,
};
