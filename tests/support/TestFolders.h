#pragma once
// A private world for one test: program, documents, config, data and temp folders
// under one temporary root, with the environment pointed at it so nothing touches the
// real home folder.
#include "shell/AppFolders.h"

#include <string>

namespace quillora::test {

class TestFolders {
public:
    // copyProgramData: fill the program folder with the shipped data/.
    explicit TestFolders(bool copyProgramData = true);
    ~TestFolders();
    TestFolders(const TestFolders&) = delete;
    TestFolders& operator=(const TestFolders&) = delete;

    const std::string& Root() const { return root_; }
    const AppFolders& Folders() const { return folders_; }

    // Writes bytes to a file below the root (creating folders) and returns its path.
    std::string Write(const std::string& relative, const std::string& bytes) const;

private:
    std::string root_;
    AppFolders folders_;
};

std::string SourceDir();
std::string ReadAll(const std::string& path);

}  // namespace quillora::test
