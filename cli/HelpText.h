// The texts of --help and --version.
#pragma once

#include <string>

namespace cli {

// The usage in Chinese: options, exit statuses and examples.
std::string HelpText();
// "tavrin-cli 1.0.0.1" and the licence.
std::string VersionText();

} // namespace cli
