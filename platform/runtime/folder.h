#pragma once
// Folder services: listing by pattern, delete, rename, copy, existence.
//
// Listing matches the pattern the way the original's file system did: letter
// case does not count for ASCII letters ("*.KDT" lists 1301d.kdt too); "*"
// stands for any run of characters and "?" for one.  Names come back in
// ascending byte order of their UTF-8 names, so the order never depends on
// the file system.  Callers that must tell letter case apart compare the
// names themselves.
#include <string>
#include <vector>

namespace ranvik {

// Names (not paths) of the regular files in `folder` matching `pattern`.
// A missing folder lists nothing.
std::vector<std::string> ListFolder(const std::string& folder, const std::string& pattern);
bool MatchesPattern(const std::string& name, const std::string& pattern);

bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
// Each returns false when it could not do its work; nothing is half done.
bool DeleteFile(const std::string& path);
bool RenameFile(const std::string& from, const std::string& to);
bool CopyFile(const std::string& from, const std::string& to);

// Joins a folder and a name; a folder may or may not end with "/".
std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace ranvik
