#include "chart/window/command_line.h"

namespace ranvik {

std::optional<CommandLineFile> ParseCommandLineFile(std::string_view text) {
    if (text.size() < 2) return std::nullopt;
    if (text.front() == '"' && text.back() == '"') text = text.substr(1, text.size() - 2);
    if (text.empty()) return std::nullopt;
    const std::size_t separator = text.find_last_of("\\/");
    CommandLineFile file;
    file.path = std::string(text);
    file.title = std::string(separator == std::string_view::npos ? text : text.substr(separator + 1));
    return file;
}

}  // namespace ranvik
