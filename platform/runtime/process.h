#pragma once
// Process services: the program folder and the command line.
#include <string>

namespace ranvik {

// The folder of the running program file, ending with "/".  Every file of
// the system lives there.
std::string ProgramFolder();
// Makes ProgramFolder report `folder` from now on (tests start the program
// in a temporary folder); an empty text goes back to the program file's.
void SetProgramFolder(const std::string& folder);

// The command line after the program name, as one text ("" when none).
std::string CommandLine();
void SetCommandLine(const std::string& text);

}  // namespace ranvik
