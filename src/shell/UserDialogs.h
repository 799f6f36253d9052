#pragma once
// Every blocking interaction with the user goes through this interface, so that flows
// can run headless and be tested with scripted answers. Texts are Windows-1252.
#include <optional>
#include <string>
#include <vector>

namespace quillora {

enum class Answer { Yes, No, Cancel, Ok, Abort, SaveAs, Closed };

struct FileDialogRequest {
    std::string title;
    std::string filter;       // "Name|*.ext|Name2|*.ext2" as stored in the texts
    std::string initialDir;   // native path
    std::string fileName;     // native path proposed
    int filterIndex = 1;      // 1-based, as file dialogs count
};

struct FileDialogResult {
    std::string path;  // native path
    int filterIndex = 1;
};

class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    // Error box (error icon, on top of all windows).
    virtual void Error(const std::string& title, const std::string& text) = 0;
    // Information dialog with an OK button.
    virtual void Information(const std::string& text) = 0;
    // Plain message box.
    virtual void Message(const std::string& text) = 0;
    // Yes/No question; returns Yes or No.
    virtual Answer Question(const std::string& title, const std::string& text) = 0;

    virtual std::optional<FileDialogResult> OpenFile(const FileDialogRequest& request) = 0;
    virtual std::optional<FileDialogResult> SaveFile(const FileDialogRequest& request) = 0;

    // The save-changes prompt: Yes, SaveAs, No, Cancel, or Closed (its close box).
    virtual Answer SaveChangesPrompt() = 0;

    // The colour dialog, opened with `initial` (red + 256*green + 65536*blue); the
    // chosen colour, or nothing when cancelled.
    virtual std::optional<int> ChooseColor(int initial) = 0;

    // The gallery of sample templates; the working copy picked, or nothing.
    virtual std::optional<std::string> ChooseSample() = 0;

    // Opens a file or address with the desktop's handler; false when that failed.
    virtual bool OpenWithShell(const std::string& pathOrUrl) = 0;

    // Busy cursor for long work; calls nest.
    virtual void BeginBusy() {}
    virtual void EndBusy() {}
};

// Shows the busy cursor for the lifetime of the object.
class BusyCursor {
public:
    explicit BusyCursor(UserDialogs& d) : d_(d) { d_.BeginBusy(); }
    ~BusyCursor() { d_.EndBusy(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    UserDialogs& d_;
};

}  // namespace quillora
