#pragma once
// The input file-type tables the input sets try their chains from: the process-wide
// splitter information, made on first use, or tables a caller put in its place.
class CFileFilterData;
class CSplitterInfo;

class UInputTables {
public:
    static CFileFilterData* Get();
    // The process-wide splitter information behind the tables, for editing and saving it.
    static CSplitterInfo* GetSplitterInfo();
    // Null goes back to the process-wide tables.
    static void Set(CFileFilterData* tables);
};
