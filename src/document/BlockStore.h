#pragma once
// One work file per news block in the program's private temp folder: "Temp001.edt",
// "Temp002.edt", … ("Temp1000.edt" from the thousandth on). Work file n holds block n.
#include <string>
#include <vector>

namespace quillora {

class BlockStore {
public:
    explicit BlockStore(std::string tempFolder);  // native path ending with "/"

    const std::string& Folder() const { return folder_; }

    // Folder + "Temp" + n with at least three digits + ".edt".
    std::string BlockFileName(int n) const;

    // The block work files, ordered by their number (not by the text of their names).
    std::vector<std::string> ListBlockFiles() const;

    // Deletes every "*.edt" file of the folder.
    void DeleteBlockFiles() const;

    // The lines of work file n; throws FileError when it cannot be read.
    std::vector<std::string> ReadLines(int n) const;
    void WriteLines(int n, const std::vector<std::string>& lines) const;

    // Swaps the contents of work files a and b through "temptemp.edt".
    void Swap(int a, int b) const;

private:
    std::string folder_;
};

// The number of a work-file name "Temp<digits>.edt", or -1.
int BlockFileNumber(const std::string& fileName);

}  // namespace quillora
