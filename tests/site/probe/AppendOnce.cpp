// Appends one line to the file its argument names, then writes "returned" to its standard
// output: the durability test runs it under strace to see the order of the system calls.
#include "site/DurableFile.h"

#include <string_view>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc != 2) {
        return 2;
    }
    const site::FileOutcome outcome = site::DurableFile(argv[1]).Append("line\r\n", "start\r\n");
    constexpr std::string_view kReturned = "returned\n";
    if (write(STDOUT_FILENO, kReturned.data(), kReturned.size()) < 0 || !outcome.Ok()) {
        return 1;
    }
    return 0;
}
