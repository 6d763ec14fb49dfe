#pragma once
// Walks the jobs of a conversion batch, each with its own output.
#include "CListWalkingLoop.h"

class CConversionBatch;
class CMediaConversionData;

class CConversionPlaybackLoop : public CListWalkingLoop {
public:
    char* GetText() override;

    virtual void SetBatch(CConversionBatch* batch);
    CMediaConversionData* GetCurrentFile() const;

protected:
    // A job lasts as long as the part of its input it converts.
    double ItemDuration(CPersistObject* item) const override;
};
