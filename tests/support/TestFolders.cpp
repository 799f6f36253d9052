#include "support/TestFolders.h"

#include "document/TextFile.h"

#include <cstdlib>
#include <filesystem>
#include <vector>

namespace fs = std::filesystem;

namespace quillora::test {

std::string SourceDir() { return QUILLORA_SOURCE_DIR; }

std::string ReadAll(const std::string& path) { return ReadFileBytes(path); }

namespace {

// The system temp folder as it was before any test pointed TMPDIR elsewhere.
const std::string& BaseTemp() {
    static const std::string base = [] {
        const char* t = std::getenv("TMPDIR");
        return std::string(t && *t ? t : "/tmp");
    }();
    return base;
}

}  // namespace

TestFolders::TestFolders(bool copyProgramData) {
    std::string pattern = BaseTemp() + "/quillora-test-XXXXXX";
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    if (!::mkdtemp(buf.data())) std::abort();
    root_ = WithSlash(buf.data());
    for (const char* sub : {"home", "data", "config", "tmp", "prog"}) fs::create_directories(root_ + sub);
    ::setenv("HOME", (root_ + "home").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (root_ + "data").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (root_ + "config").c_str(), 1);
    ::setenv("TMPDIR", (root_ + "tmp").c_str(), 1);
    if (copyProgramData)
        fs::copy(SourceDir() + "/data", root_ + "prog", fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    folders_ = AppFolders::ForProgram(root_ + "prog");
    folders_.CreateUserFolders();
}

TestFolders::~TestFolders() {
    ::setenv("TMPDIR", BaseTemp().c_str(), 1);
    std::error_code ec;
    fs::remove_all(root_, ec);
}

std::string TestFolders::Write(const std::string& relative, const std::string& bytes) const {
    const fs::path p = fs::path(root_) / relative;
    fs::create_directories(p.parent_path());
    WriteFileWhole(p.string(), bytes);
    return p.string();
}

}  // namespace quillora::test
