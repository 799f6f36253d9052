#pragma once
// The folders the program works in. Every path is a native path ending with "/".
#include <string>

namespace quillora {

struct AppFolders {
    std::string prog;       // program folder: shipped data and the settings files
    std::string images;     // prog + "Images/"
    std::string vorlagen;   // prog + "Vorlagen/": shipped sample templates
    std::string layouts;    // prog + "layouts/": gallery pictures and names
    std::string recom;      // prog + "recom/": branding pictures
    std::string help;       // prog + "help/"
    std::string appData;    // $XDG_DATA_HOME/Tessaro/Quillora/
    std::string documents;  // XDG documents folder + "/Quillora/"
    std::string templates;  // documents + "Templates/": working copies of the samples
    std::string temp;       // private work folder, mode 0700
    std::string config;     // $XDG_CONFIG_HOME/Tessaro/: what the registry held on Windows

    // Folders for a program installed in progFolder, the others from the environment
    // (XDG_DATA_HOME, XDG_CONFIG_HOME, the documents folder, TMPDIR).
    static AppFolders ForProgram(const std::string& progFolder);

    // Only the folders inside the program folder; the user's folders stay empty.
    static AppFolders InProgramFolder(const std::string& progFolder);

    // Creates appData, documents and templates with their parents; failures are
    // ignored (later file operations in a missing folder fail on their own).
    void CreateUserFolders() const;
};

// Ensures the folder ends with "/".
std::string WithSlash(std::string folder);

// The private temp folder inside the system temp folder, created with mode 0700 and
// owned by this user. Falls back to a fresh mkdtemp folder if the usual name is
// taken by someone else.
std::string PrivateTempFolder();

}  // namespace quillora
