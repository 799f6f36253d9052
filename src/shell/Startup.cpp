#include "shell/Startup.h"

#include "document/TextFile.h"
#include "render/Cp1252.h"
#include "render/TextConversions.h"
#include "shell/TextCatalogue.h"

#include <filesystem>
#include <sys/stat.h>

namespace quillora {

std::optional<std::string> ReadLastFile(const AppFolders& folders) {
    try {
        const auto lines = SplitLines(ReadFileBytes(folders.prog + "LastFile.ini"));
        if (lines.empty()) return std::string();
        return lines.front();
    } catch (const FileError&) {
        return std::nullopt;
    }
}

void WriteLastFile(const AppFolders& folders, const std::string& templatePath) {
    try {
        WriteFileAtomic(folders.prog + "LastFile.ini", templatePath + "\r\n");
    } catch (const FileError&) {
    }
}

std::string DefaultTemplate(const AppFolders& folders) { return folders.prog + "Quillora_Vorlage.qrx"; }

StartTemplate ChooseStartTemplate(const AppFolders& folders) {
    if (auto last = ReadLastFile(folders)) {
        const std::string name = Trim(*last);
        if (FileExists(name) && UpperAscii(name).find(".QRX") != std::string::npos)
            return {name, name};
    }
    return {DefaultTemplate(folders), ""};
}

void ClearFileAttributes(const std::string& file) {
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        throw FileError(ByLanguage("Die Vorlage \"" + DocumentPath(file) + "\" wurde nicht gefunden.",
                                   "The template \"" + DocumentPath(file) + "\" was not found."));
    if ((st.st_mode & S_IWUSR) == 0) ::chmod(file.c_str(), st.st_mode | S_IWUSR);
}

bool BackupToOld(const AppFolders& folders, const std::string& file) {
    try {
        CopyFileAtomic(file, folders.prog + "Old.qrx");
        return true;
    } catch (const FileError&) {
        return false;
    }
}

void CopySampleTemplates(const AppFolders& folders) {
    std::error_code ec;
    std::filesystem::create_directories(folders.templates, ec);
    for (const auto& entry : std::filesystem::directory_iterator(folders.vorlagen, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.empty() || name.front() == '.' || !entry.is_regular_file(ec)) continue;
        if (LowerAscii(entry.path().extension().string()) != ".qrx") continue;
        try {
            CopyFileAtomic(entry.path().string(), folders.templates + name);
        } catch (const FileError&) {
        }
    }
}

std::string AbsolutePath(const std::string& path) {
    std::error_code ec;
    auto abs = std::filesystem::absolute(path, ec);
    return ec ? path : abs.lexically_normal().string();
}

}  // namespace quillora
