#pragma once
// An output type and the file to write, for playing DV to a file.
#include "COutputType2.h"
#include "CSaveFile2.h"

class CDvWriter2 : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CDvWriter2)
public:
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    using CPersistObject::Validate;
    // The writer's own message, else the file's.
    virtual const char* Validate();

    COutputType2& GetOutputType() { return m_output; }
    CSaveFile2& GetFilePath() { return m_file; }

private:
    COutputType2 m_output;
    CSaveFile2 m_file;
};
