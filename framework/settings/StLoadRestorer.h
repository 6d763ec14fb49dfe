#pragma once
// Keeps what an object holds before a load, so that a load that fails can give it back
// instead of leaving the object half loaded.
#include "CPersistStorage.h"

class CPersistObject;

class StLoadRestorer {
public:
    explicit StLoadRestorer(CPersistObject& object);
    StLoadRestorer(const StLoadRestorer&) = delete;
    StLoadRestorer& operator=(const StLoadRestorer&) = delete;

    // The load's result: when the storage reports a failed load, the object gets its former
    // values back and false is returned.
    bool Finish(const CPersistStorage& storage);

private:
    CPersistObject& m_object;
    CPersistStorage m_before;
};
