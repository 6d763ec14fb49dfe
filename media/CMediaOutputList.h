#pragma once
// A list of media writers.
#include "CPersistList.h"

class CMediaWriter2;

class CMediaOutputList : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CMediaOutputList)
public:
    CMediaOutputList();

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    // Keeps only writers, whatever the file holds.
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    CPersistList& GetOutputs() { return m_outputs; }
    CMediaWriter2* GetOutput(int index) const;
    int GetOutputCount() const { return m_outputs.GetItemCount(); }
    int GetOutputIndex(const CMediaWriter2* writer) const;

private:
    CPersistList m_outputs{true};
};
