#pragma once
// Turns an output file-type id into the filters that write it (writer, multiplexer and
// second multiplexer), and probes once per type whether they can be created here.
#include "CFormatType.h"

class CDirectShowGraph;
class CHandle;
class CMuxFilter;
class COutputFilter;

class UFilterUtils2 {
public:
    // The caller owns what these return; nothing is created yet.
    static COutputFilter* CreateOutput(CDirectShowGraph* graph, ESplitterType type);
    static CMuxFilter* CreateMultiplexer(CDirectShowGraph* graph, ESplitterType type);
    static CMuxFilter* CreateMultiplexer2(CDirectShowGraph* graph, ESplitterType type);

    static bool NoneAliasFormatInstalled(ESplitterType type);
    static bool FormatInstalled(ESplitterType type);
    static bool AliasSupported(ESplitterType alias, const char* filter);
    static bool FilterInstalled(const GUID& id);

    static void PromptVideoAbout(const char* codecName);
    static void PromptVideoSetting(const char* codecName, CHandle& settings);
};
