#pragma once
// Odd things a path may name, made in a scratch folder under the name a
// program expects (a stock data file's, a list's, a page's): a named pipe, a
// folder, a link to nothing, a loop of links, a name past the file system's
// limit, a file in a folder that may not be searched.  Tests and the path
// fuzz target give such a path to an operation and check that it returns,
// reports, and leaves the folder as it was.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <string_view>
#include <system_error>

namespace ranvik::test {

enum class PathShape { Regular, Empty, Folder, Pipe, DanglingLink, LinkLoop, TooLong, NoSearch };

inline constexpr PathShape kAllPathShapes[] = {PathShape::Regular,      PathShape::Empty,    PathShape::Folder,
                                               PathShape::Pipe,         PathShape::DanglingLink,
                                               PathShape::LinkLoop,     PathShape::TooLong,  PathShape::NoSearch};

inline const char* NameOf(PathShape shape) {
    switch (shape) {
        case PathShape::Regular: return "a regular file";
        case PathShape::Empty: return "an empty file";
        case PathShape::Folder: return "a folder";
        case PathShape::Pipe: return "a named pipe";
        case PathShape::DanglingLink: return "a link to nothing";
        case PathShape::LinkLoop: return "a loop of links";
        case PathShape::TooLong: return "a name longer than the file system allows";
        case PathShape::NoSearch: return "a file in a folder that may not be searched";
    }
    return "?";
}

// The folder of the NoSearch shape, inside the scratch folder.
inline constexpr std::string_view kLockedFolder = "locked";

// Whether the shape is odd for this process: root searches every folder,
// so a file in a folder without search permission is an ordinary file to it.
inline bool ShapeHoldsHere(PathShape shape) { return shape != PathShape::NoSearch || ::geteuid() != 0; }

// Makes the shape in `folder` (ending in "/") under `name` and returns the
// path that names it.  Regular holds `bytes`; so does the file inside the
// locked folder.  TooLong makes nothing: no such name can exist.
inline std::string MakePathShape(const std::string& folder, const std::string& name, PathShape shape,
                                 std::string_view bytes) {
    namespace fs = std::filesystem;
    const std::string path = folder + name;
    auto write = [&](const std::string& p, std::string_view b) {
        std::ofstream out(p, std::ios::binary | std::ios::trunc);
        out.write(b.data(), static_cast<std::streamsize>(b.size()));
    };
    switch (shape) {
        case PathShape::Regular: write(path, bytes); return path;
        case PathShape::Empty: write(path, ""); return path;
        case PathShape::Folder: fs::create_directory(path); return path;
        case PathShape::Pipe: ::mkfifo(path.c_str(), 0644); return path;
        case PathShape::DanglingLink: fs::create_symlink(folder + "gone-" + name, path); return path;
        case PathShape::LinkLoop:
            fs::create_symlink(name + ".loop", path);
            fs::create_symlink(name, path + ".loop");
            return path;
        case PathShape::TooLong: return folder + std::string(300, 'x') + name;
        case PathShape::NoSearch: {
            const std::string locked = folder + std::string(kLockedFolder);
            fs::create_directory(locked);
            write(locked + "/" + name, bytes);
            ::chmod(locked.c_str(), 0600);
            return locked + "/" + name;
        }
    }
    return path;
}

// Gives the locked folder its search permission back, so that the scratch
// folder can be looked at and removed.
inline void UnlockPathShapes(const std::string& folder) {
    ::chmod((folder + std::string(kLockedFolder)).c_str(), 0755);
}

// What the folder holds, entry by entry (links not followed, the locked
// folder looked into): the kind of each entry, a link's target, a file's
// bytes.  Two listings compare equal when nothing was made, removed or
// changed.
inline std::map<std::string, std::string> FolderContents(const std::string& folder) {
    namespace fs = std::filesystem;
    std::map<std::string, std::string> contents;
    UnlockPathShapes(folder);
    std::error_code ec;
    for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& p = it->path();
        const std::string name = p.lexically_relative(folder).string();
        const fs::file_status status = it->symlink_status(ec);
        if (fs::is_symlink(status)) {
            contents[name] = "link to " + fs::read_symlink(p, ec).string();
        } else if (fs::is_regular_file(status)) {
            // The size and a digest keep a failure's listing short.
            std::ifstream in(p, std::ios::binary);
            const std::string bytes(std::istreambuf_iterator<char>(in), {});
            contents[name] = "file of " + std::to_string(bytes.size()) + " bytes, digest " +
                             std::to_string(std::hash<std::string>{}(bytes));
        } else if (fs::is_directory(status)) {
            contents[name] = "folder";
        } else {
            contents[name] = "other";
        }
    }
    if (fs::exists(folder + std::string(kLockedFolder), ec)) ::chmod((folder + std::string(kLockedFolder)).c_str(), 0600);
    return contents;
}

}  // namespace ranvik::test
