// The watch over the toolkit's start that backs up the display check: while the toolkit
// sets up its platform, the platform plugin's messages are held back; when the X plugin
// reports that it could not connect and the toolkit gives up, the program's own line is
// printed and the process exits with the display check's status instead of aborting.
// Otherwise the held messages go on to the handler there was before, in order.
#pragma once

#include <string>

namespace startup {

class ToolkitStartWatch {
public:
    // Watches from now until the application object has set up its platform; a display
    // that turns the program away ends it with refusedLine and exitStatus.
    static void Start(std::string refusedLine, int exitStatus);
    // Writes one line to standard error at once.
    static void PrintLine(const std::string& line);
};

} // namespace startup
