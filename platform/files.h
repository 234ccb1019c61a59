// Files and folders: the few file-system calls the service makes beyond
// reading and writing a file's bytes (which it does with <cstdio>).
#pragma once

#include <cstdint>
#include <string>

#include "platform/clock.h"

namespace spr {

// The separator between a folder and a name: '/' here, '\\' on Windows.
extern const char kPathSeparator;

// `dir` + separator + `name`; just `name` when `dir` is empty or ".".
std::string JoinPath(const std::string& dir, const std::string& name);

// True for an existing regular file (not a folder).
bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
// Creates one level of folder. False, with *err, when it fails.
bool CreateDirectory(const std::string& path, std::string* err);
bool RemoveFile(const std::string& path);

// The file's last-write time in local time, in DOS date-time resolution
// (the seconds rounded down to an even number). False when it has none.
bool FileModifiedDosTime(const std::string& path, LocalTime* out);
// Sets the file's last-write time (local time, whole seconds).
bool SetFileModifiedTime(const std::string& path, const LocalTime& when);

// Writes `contents` to `path` so that a crash leaves either the old file or
// the whole new one: a new file beside it, flushed to disk, renamed over.
bool ReplaceFileAtomically(const std::string& path, const std::string& contents,
                           std::string* err);
// Renames `from` to `to`, replacing `to`; the rename is atomic.
bool RenameFile(const std::string& from, const std::string& to,
                std::string* err);

// The folder that holds the running executable, without a trailing
// separator.
std::string ExecutableDirectory();
bool SetWorkingDirectory(const std::string& dir, std::string* err);

// The text of the last OS error of the calling thread.
std::string LastOsError();

}  // namespace spr
