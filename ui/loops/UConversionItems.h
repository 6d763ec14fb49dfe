#pragma once
// What the conversion loops read of their items, whatever the kind of item.
#include "afx/CString.h"

class CDirectShowAdministrator2;
class CMediaInfo2;
class CPersistObject;

class UConversionItems {
public:
    // The record whose status the lists show: a job's input file, or the item itself.
    static CMediaInfo2* StatusOfJob(CPersistObject* item);
    static CMediaInfo2* StatusOfFile(CPersistObject* item);
    static void SetStatus(CMediaInfo2* info, long status);
    // The input path a closing message names.
    static CString PathOfJob(CPersistObject* item);
    static CString PathOfFile(CPersistObject* item);
    // (item progress x item duration + done) / total; 0 while there is no total.
    static double BatchProgress(CDirectShowAdministrator2* administrator, double itemDuration, double done,
                                double total);
};
