#pragma once
// Process services: the program folder, the command line, and starting
// another program and bringing it to the front.
#include <cstdint>
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

// A task started by StartProgram: the process id, 0 for none.
using TaskId = std::int64_t;

// The file that runs for a program file named as the other program names
// it: a name that is not there but ends in ".exe" (any letter case) stands
// for the program built beside it without the ending, in small letters
// ("Tamelo.exe" is "tamelo").  A name that is there stays as it is.
std::string NativeProgramFile(const std::string& programFile);

// Starts the program file (see NativeProgramFile) as a process of its own
// with no arguments and none of this program's open files, its window
// shown as it opens it.  The task id, or 0 when the file is missing, is no
// program or does not start.
TaskId StartProgram(const std::string& programFile);

// Brings the window of a task to the front.  False once the task has ended
// (or for 0).  The window system here gives no program the right to raise
// another program's window, so the raise counts as done while the process
// lives.
bool BringTaskToFront(TaskId task);

}  // namespace ranvik
