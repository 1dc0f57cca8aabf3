// The tool's command line, once the platform's entry point has turned its arguments into wide
// strings. Returns the exit status.
#pragma once

#include <string>
#include <vector>

int RunSkinpack(const std::vector<std::wstring>& args);
