// tavrin-cli's entry point on Linux, where the arguments are the bytes the shell gave.
#include "cli/CliRun.h"

#include <string>
#include <vector>

int main(int argc, char** argv) {
    return cli::Main(std::vector<std::string>(argv + 1, argv + argc));
}
