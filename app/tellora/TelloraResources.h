#pragma once
// Where the program's pictures (window icon, tool bar strip) lie: beside the installed
// program in share/tellora, else in the source tree it was built from.
#include <string>

std::string TelloraResourceFolder(const std::string& program);
// Makes that folder the program's resource folder; false when none is found.
bool TelloraUseResources(const std::string& program);
