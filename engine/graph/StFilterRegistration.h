#pragma once
// Registers the filter libraries ("*.ax") that lie in the application's folder, for the
// lifetime of the process.
class CPath;

class StFilterRegistration {
public:
    StFilterRegistration();
    StFilterRegistration(const StFilterRegistration&) = delete;
    StFilterRegistration& operator=(const StFilterRegistration&) = delete;

    // Runs the command on a file, or on every path below a folder. The registration command
    // ("regsvr32 /s ") registers the library in this process; nothing else is started.
    void Execute(const char* command, CPath* path);
};
