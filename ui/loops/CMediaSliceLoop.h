#pragma once
// Writes each kept slice of one input file to a file of its own, named after the input and the
// slice's number.
#include "CListWalkingLoop.h"
#include "CPointerList.h"
#include "CSaveFile2.h"

class CMediaFile2;
class CMediaOutput2;
class CSaveDir2;
class CSliceDuration2;

class CMediaSliceLoop : public CListWalkingLoop {
public:
    void Reset() override;
    bool Start() override;
    void Cancel() override;
    bool NextItem() override;
    void FailItem() override;
    void FinishLoop() override;
    char* GetText() override;

    void SetMediaFile(CMediaFile2* input);
    void SetOutput(CMediaOutput2* output) { m_output = output; }
    void SetSaveDir(CSaveDir2* folder) { m_saveDir = folder; }
    CString GetEncodingFileName(int number) const;
    void PrepareSaveFile();
    CSliceDuration2* GetCurrentSlice() const;
    CSaveFile2& GetSaveFile() { return m_saveFile; }

protected:
    double ItemDuration(CPersistObject* item) const override;

    CMediaFile2* m_input = nullptr;
    CMediaOutput2* m_output = nullptr;
    CSaveDir2* m_saveDir = nullptr;
    CPointerList m_failed;
    CSaveFile2 m_saveFile;
};
