#pragma once
// What keeps a libFuzzer program (clang's AddressSanitizer) from starting, found in any
// build: one global object defined under the same name by two of the loaded modules.
#include <string>
#include <vector>

// "name: first module, second module" for each global object (of default visibility,
// not weak) that two of the program's modules under folder define; the program itself
// counts as one of them.
std::vector<std::string> MvGlobalsDefinedTwice(const std::string& folder);
