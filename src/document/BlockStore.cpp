#include "document/BlockStore.h"

#include "document/TextFile.h"
#include "shell/TextCatalogue.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace quillora {

BlockStore::BlockStore(std::string tempFolder) : folder_(std::move(tempFolder)) {}

std::string BlockStore::BlockFileName(int n) const {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%03d", n);
    return folder_ + "Temp" + digits + ".edt";
}

int BlockFileNumber(const std::string& name) {
    if (name.size() < 9 || name.compare(0, 4, "Temp") != 0 ||
        name.compare(name.size() - 4, 4, ".edt") != 0)
        return -1;
    const std::string digits = name.substr(4, name.size() - 8);
    if (digits.empty() || digits.size() > 9) return -1;
    for (char c : digits)
        if (c < '0' || c > '9') return -1;
    return std::stoi(digits);
}

std::vector<std::string> BlockStore::ListBlockFiles() const {
    std::vector<std::pair<int, std::string>> found;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder_, ec)) {
        if (!entry.is_regular_file(ec)) continue;
        const std::string name = entry.path().filename().string();
        const int n = BlockFileNumber(name);
        if (n >= 0) found.emplace_back(n, entry.path().string());
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> paths;
    paths.reserve(found.size());
    for (auto& f : found) paths.push_back(std::move(f.second));
    return paths;
}

void BlockStore::DeleteBlockFiles() const {
    std::error_code ec;
    std::vector<std::filesystem::path> doomed;
    for (const auto& entry : std::filesystem::directory_iterator(folder_, ec))
        if (entry.path().extension() == ".edt") doomed.push_back(entry.path());
    for (const auto& p : doomed) std::filesystem::remove(p, ec);
}

std::vector<std::string> BlockStore::ReadLines(int n) const {
    return SplitLines(ReadFileBytes(BlockFileName(n)));
}

void BlockStore::WriteLines(int n, const std::vector<std::string>& lines) const {
    WriteFileWhole(BlockFileName(n), JoinLinesCrLf(lines));
}

void BlockStore::Swap(int a, int b) const {
    const std::string swap = folder_ + "temptemp.edt";
    std::error_code ec;
    std::filesystem::remove(swap, ec);
    std::filesystem::rename(BlockFileName(a), swap, ec);
    auto fail = [](int n, const std::error_code& e) {
        return FileError(ByLanguage("Meldung " + std::to_string(n) + " kann nicht verschoben werden: ",
                                    "Newsblock " + std::to_string(n) + " cannot be moved: ") +
                         e.message());
    };
    if (ec) throw fail(a, ec);
    std::filesystem::rename(BlockFileName(b), BlockFileName(a), ec);
    if (ec) {
        std::error_code back;
        std::filesystem::rename(swap, BlockFileName(a), back);
        throw fail(b, ec);
    }
    std::filesystem::rename(swap, BlockFileName(b), ec);
    if (ec) throw fail(a, ec);
}

}  // namespace quillora
