#include "shell/AppFolders.h"

#include <QDir>
#include <QStandardPaths>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace quillora {
namespace {

std::string EnvOr(const char* name, const std::string& fallback) {
    const char* v = std::getenv(name);
    return (v && *v) ? std::string(v) : fallback;
}

std::string Home() { return EnvOr("HOME", QDir::homePath().toStdString()); }

void MakeDirs(const std::string& path) {
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
}

bool IsPrivateFolder(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return false;
    return S_ISDIR(st.st_mode) && st.st_uid == ::getuid() && (st.st_mode & 077) == 0;
}

}  // namespace

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder.push_back('/');
    return folder;
}

std::string PrivateTempFolder() {
    const std::string base = WithSlash(QDir::tempPath().toStdString());
    const std::string wanted = base + "Quillora-" + std::to_string(::getuid());
    ::mkdir(wanted.c_str(), 0700);
    if (IsPrivateFolder(wanted)) return WithSlash(wanted);
    std::string pattern = base + "Quillora-" + std::to_string(::getuid()) + "-XXXXXX";
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    if (::mkdtemp(buf.data())) return WithSlash(buf.data());
    return WithSlash(wanted);
}

AppFolders AppFolders::InProgramFolder(const std::string& progFolder) {
    AppFolders f;
    f.prog = WithSlash(progFolder);
    f.images = f.prog + "Images/";
    f.vorlagen = f.prog + "Vorlagen/";
    f.layouts = f.prog + "layouts/";
    f.recom = f.prog + "recom/";
    f.help = f.prog + "help/";
    return f;
}

AppFolders AppFolders::ForProgram(const std::string& progFolder) {
    AppFolders f = InProgramFolder(progFolder);
    f.appData = WithSlash(EnvOr("XDG_DATA_HOME", Home() + "/.local/share")) + "Tessaro/Quillora/";
    f.config = WithSlash(EnvOr("XDG_CONFIG_HOME", Home() + "/.config")) + "Tessaro/";
    std::string docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
    if (docs.empty()) docs = Home() + "/Documents";
    f.documents = WithSlash(docs) + "Quillora/";
    f.templates = f.documents + "Templates/";
    f.temp = PrivateTempFolder();
    return f;
}

void AppFolders::CreateUserFolders() const {
    MakeDirs(appData);
    MakeDirs(templates);
    MakeDirs(config);
}

}  // namespace quillora
