#pragma once
// The input file-type tables the input sets try their chains from: the process-wide
// splitter information, made on first use, or tables a caller put in its place.
class CFileFilterData;

class UInputTables {
public:
    static CFileFilterData* Get();
    // Null goes back to the process-wide tables.
    static void Set(CFileFilterData* tables);
};
