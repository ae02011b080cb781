#pragma once
// A path that a user or a file names may lead anywhere: to a named pipe, a
// device or a socket, whose open waits for a partner that never comes; to a
// folder; round a loop of symbolic links; past the length the file system
// allows; through a folder that may not be searched.  The readers and stores
// reach their files through these calls, which treat anything but a regular
// file as a file that is not there: they never wait and never throw, and the
// caller reports the failure as it reports a missing file.
#include <cstdio>
#include <optional>
#include <string>

namespace ranvik {

enum class PathKind {
    RegularFile,  // a regular file, or a link that ends at one
    Missing,      // nothing there, or a link that leads to nothing
    NotAFile,     // a folder, pipe, device or socket
    Unreachable,  // the file system refused to say: too long, a loop of links, no search permission
};

// What `path` names, found from the file system's entry alone: nothing is
// opened, so a pipe or a device is never waited on.
PathKind KindOfPath(const std::string& path);

// Why `path` must not be opened as a file of records, or nullopt when it may:
// an existing regular file, or (with `mayCreate`) nothing at all, which the
// open then creates.  A link that leads to nothing is refused even then: the
// file would be made somewhere the name does not show.
std::optional<std::string> RefusedPath(const std::string& path, bool mayCreate);

// Opens a regular file for reading, or returns nullptr (errno set) for
// anything else.  The open itself does not wait (a pipe put in place after a
// check is refused all the same) and the file's type is checked on the open
// handle; the stream then reads as any other.
std::FILE* OpenForReading(const std::string& path);

}  // namespace ranvik
