#include "StLoadRestorer.h"

#include "CPersistObject.h"

namespace {

const char* const kSnapshotName = "Settings";

}

StLoadRestorer::StLoadRestorer(CPersistObject& object) : m_object(object)
{
    m_object.Save(kSnapshotName, m_before);
}

bool StLoadRestorer::Finish(const CPersistStorage& storage)
{
    if (!storage.LoadFailed()) return true;
    m_before.ResetLoad(true);
    m_object.Load(kSnapshotName, m_before);
    return false;
}
