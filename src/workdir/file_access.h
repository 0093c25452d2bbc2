// The few file-system services the working folder needs.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvor {

// The entry names of a folder in byte-wise order, hidden ones included;
// nothing when the folder cannot be listed.
std::optional<std::vector<std::string>> ListFolder(const std::string& folder);

// The whole content of a regular file (links followed). Nothing for anything
// else, a FIFO included, which is never waited on; nothing when it cannot be
// opened or read.
std::optional<std::string> ReadRegularFile(const std::string& path);

// The first line of a file, without its line end; nothing when the file cannot
// be read or its first line is longer than maxBytes.
std::optional<std::string> ReadFirstLine(const std::string& path, std::size_t maxBytes);

// Replaces path's content with text atomically: a temporary file in the same
// folder, flushed to disk, then renamed over it. False when it cannot.
bool ReplaceFileAtomically(const std::string& path, const std::string& text);

// path made absolute (against cwd when relative) and lexically normalised:
// no "." or ".." parts, no doubled separators, links not resolved; a folder
// path ends with "/".
std::string AbsoluteFolderPath(const std::string& path, const std::string& cwd);

// The extension test of a folder entry's name: its second "."-field,
// lowercased, is "loc" (a.loc, A.LOC, a.loc.old; not a.b.loc).
bool IsLocationFileName(std::string_view name);

// True when path names an existing folder (links followed).
bool IsFolder(const std::string& path);

}  // namespace zelvor
