// tavrin-cli from its arguments to its exit status.
#pragma once

#include <string>
#include <vector>

namespace cli {

// Runs the command line (the arguments after the program's name, in UTF-8) and returns the
// status to exit with. Never throws.
int Main(const std::vector<std::string>& args);

} // namespace cli
