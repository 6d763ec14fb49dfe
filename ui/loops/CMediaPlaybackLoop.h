#pragma once
// Walks the files of a media batch that share one output.
#include "CListWalkingLoop.h"

class CFileBatch2;
class CMediaFile2;

class CMediaPlaybackLoop : public CListWalkingLoop {
public:
    char* GetText() override;

    virtual void SetBatch(CFileBatch2* batch);
    CMediaFile2* GetCurrentFile() const;
};
