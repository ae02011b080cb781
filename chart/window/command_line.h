#pragma once
// The stock data file named on the chart program's command line, as chart
// window 1 takes it.  The shell has removed the quotes around a path with
// blanks before the program sees it, so quotes are dropped only when the text
// both starts and ends with one.
#include <optional>
#include <string>
#include <string_view>

namespace ranvik {

struct CommandLineFile {
    std::string path;   // the file to open at the window's first resize
    std::string title;  // the name after the last "\" or "/" (the whole path without one)
};

// nullopt for a command line too short to name a file (fewer than two
// characters, or nothing left between the quotes).
std::optional<CommandLineFile> ParseCommandLineFile(std::string_view commandLine);

}  // namespace ranvik
