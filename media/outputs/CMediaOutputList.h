#pragma once
// A list of media writers.
#include "TRecordList.h"

class CMediaWriter2;

class CMediaOutputList : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CMediaOutputList)
public:
    CMediaOutputList();

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    // Keeps only writers, whatever the file holds.
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    CPersistList& GetOutputs() { return m_outputs.List(); }
    CMediaWriter2* GetOutput(int index) const;
    int GetOutputCount() const { return m_outputs.Count(); }
    int GetOutputIndex(const CMediaWriter2* writer) const;

private:
    TRecordList<CMediaWriter2> m_outputs;
};
