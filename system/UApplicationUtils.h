#pragma once
// The names an application of the family keeps its settings under and shows itself by,
// from its application id.

class UApplicationUtils {
public:
    static const char* GetRegistryName(unsigned long id);
    static const char* GetShortApplicationName(unsigned long id);
    // Brand word + " " + short name, in the rotating text buffer.
    static char* GetApplicationName(unsigned long id);
    static char* GetApplicationName();
    // " 1.2" or " 1.2.3" from the running program's version record.
    static char* GetVersion();
    static char* GetApplicationNameWithVersion();
};
