#pragma once
// Dialogs of a run without a window: messages go to stderr, questions get their safe
// answer, file and colour choices are cancelled.
#include "shell/UserDialogs.h"

#include <string>

namespace quillora {

class ConsoleDialogs : public UserDialogs {
public:
    explicit ConsoleDialogs(std::string programName) : program_(std::move(programName)) {}

    int errors = 0;  // error boxes shown

    void Error(const std::string& title, const std::string& text) override;
    void Information(const std::string& text) override { Print(text); }
    void Message(const std::string& text) override { Print(text); }
    Answer Question(const std::string& title, const std::string& text) override;
    std::optional<FileDialogResult> OpenFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<FileDialogResult> SaveFile(const FileDialogRequest&) override { return std::nullopt; }
    Answer SaveChangesPrompt() override { return Answer::Cancel; }
    std::optional<int> ChooseColor(int) override { return std::nullopt; }
    std::optional<std::string> ChooseSample() override { return std::nullopt; }
    bool OpenWithShell(const std::string&) override { return false; }

private:
    void Print(const std::string& text) const;

    std::string program_;
};

}  // namespace quillora
