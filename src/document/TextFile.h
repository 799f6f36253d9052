#pragma once
// Whole-file text I/O. Files are written in one piece and replaced atomically, so a
// failed write never leaves a half-written file over a good one.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace quillora {

class FileError : public std::runtime_error {
public:
    explicit FileError(const std::string& message) : std::runtime_error(message) {}
};

// Paths are native (UTF-8) file-system paths.
std::filesystem::path FsPath(const std::string& nativePath);

bool FileExists(const std::string& nativePath);

// Throws FileError when the file cannot be read.
std::string ReadFileBytes(const std::string& nativePath);

// Splits on CR LF, LF or CR. A final line end does not start an empty last line.
std::vector<std::string> SplitLines(const std::string& bytes);

// Every line followed by CR LF.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

// Writes to a temporary file beside the target, flushes it to disk and renames it
// over the target. Throws FileError (with the reason) and leaves the target untouched
// when anything fails.
void WriteFileAtomic(const std::string& nativePath, const std::string& bytes);

// Plain write for scratch files (block work files): no temporary, no flush.
// Throws FileError.
void WriteFileWhole(const std::string& nativePath, const std::string& bytes);

// Plain byte copy, replacing the target atomically; throws FileError.
void CopyFileAtomic(const std::string& from, const std::string& to);

}  // namespace quillora
