#include "document/TextFile.h"

#include "render/Cp1252.h"
#include "shell/TextCatalogue.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace quillora {
namespace {

// Messages are program text (Windows-1252); paths come from the file system (UTF-8).
std::string Quoted(const std::string& nativePath) { return "\"" + DocumentPath(nativePath) + "\""; }

std::string CannotRead(const std::string& path) {
    return ByLanguage("Die Datei " + Quoted(path) + " kann nicht gelesen werden",
                      "The file " + Quoted(path) + " cannot be read");
}

std::string CannotWrite(const std::string& path) {
    return ByLanguage("Die Datei " + Quoted(path) + " kann nicht geschrieben werden",
                      "The file " + Quoted(path) + " cannot be written");
}

}  // namespace

std::filesystem::path FsPath(const std::string& nativePath) {
    return std::filesystem::path(nativePath);
}

bool FileExists(const std::string& nativePath) {
    if (nativePath.empty()) return false;
    std::error_code ec;
    return std::filesystem::is_regular_file(FsPath(nativePath), ec);
}

std::string ReadFileBytes(const std::string& nativePath) {
    std::ifstream in(FsPath(nativePath), std::ios::binary);
    if (!in) throw FileError(CannotRead(nativePath) + ": " + std::strerror(errno));
    std::ostringstream ss;
    ss << in.rdbuf();
    if (in.bad()) throw FileError(CannotRead(nativePath));
    return ss.str();
}

std::vector<std::string> SplitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string current;
    bool pending = false;  // a line has started (even if empty) since the last line end
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(std::move(current));
            current.clear();
            pending = false;
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        } else {
            current.push_back(c);
            pending = true;
        }
    }
    if (pending) lines.push_back(std::move(current));
    return lines;
}

std::string JoinLinesCrLf(const std::vector<std::string>& lines) {
    std::string out;
    std::size_t size = 0;
    for (const auto& l : lines) size += l.size() + 2;
    out.reserve(size);
    for (const auto& l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

namespace {

std::string Reason() { return std::strerror(errno); }

}  // namespace

void WriteFileAtomic(const std::string& nativePath, const std::string& bytes) {
    const std::filesystem::path target = FsPath(nativePath);
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    int fd = ::mkstemp(name.data());
    if (fd < 0)
        throw FileError(CannotWrite(nativePath) + ": " + Reason());
    const std::string tempName(name.data());
    auto fail = [&](const std::string& what) {
        std::string reason = Reason();
        ::close(fd);
        ::unlink(tempName.c_str());
        throw FileError(CannotWrite(nativePath) + " (" + what + "): " + reason);
    };
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            fail("write");
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) fail("fsync");
    // Keep the permissions of the file being replaced; a new file gets the usual 0644
    // instead of mkstemp's 0600.
    struct stat st {};
    mode_t mode = 0644;
    if (::stat(nativePath.c_str(), &st) == 0) mode = st.st_mode & 07777;
    ::fchmod(fd, mode);
    if (::close(fd) != 0) {
        std::string reason = Reason();
        ::unlink(tempName.c_str());
        throw FileError(CannotWrite(nativePath) + ": " + reason);
    }
    if (::rename(tempName.c_str(), nativePath.c_str()) != 0) {
        std::string reason = Reason();
        ::unlink(tempName.c_str());
        throw FileError(CannotWrite(nativePath) + ": " + reason);
    }
}

void WriteFileWhole(const std::string& nativePath, const std::string& bytes) {
    std::ofstream out(FsPath(nativePath), std::ios::binary | std::ios::trunc);
    if (out) out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (out) out.close();
    if (!out)
        throw FileError(CannotWrite(nativePath) + ": " + Reason());
}

void CopyFileAtomic(const std::string& from, const std::string& to) {
    WriteFileAtomic(to, ReadFileBytes(from));
}

}  // namespace quillora
