#pragma once
// Dialogs for tests: records what the program showed and answers from a script.
#include "shell/UserDialogs.h"

#include <deque>
#include <string>
#include <vector>

namespace quillora::test {

class ScriptedDialogs : public UserDialogs {
public:
    struct Shown {
        std::string kind;  // "error", "information", "message", "question", "open", "save", "shell"
        std::string title;
        std::string text;
    };

    std::vector<Shown> shown;
    std::deque<Answer> answers;                              // for Question
    std::deque<std::optional<FileDialogResult>> files;      // for OpenFile / SaveFile
    std::vector<FileDialogRequest> fileRequests;
    std::deque<Answer> prompts;                              // for SaveChangesPrompt
    std::deque<std::optional<int>> colors;                   // for ChooseColor
    std::deque<std::optional<std::string>> samples;          // for ChooseSample
    std::vector<int> colorInitials;
    int busyDepth = 0;
    int busyCount = 0;

    void Error(const std::string& title, const std::string& text) override { shown.push_back({"error", title, text}); }
    void Information(const std::string& text) override { shown.push_back({"information", "", text}); }
    void Message(const std::string& text) override { shown.push_back({"message", "", text}); }
    Answer Question(const std::string& title, const std::string& text) override {
        shown.push_back({"question", title, text});
        if (answers.empty()) return Answer::No;
        Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<FileDialogResult> OpenFile(const FileDialogRequest& r) override { return NextFile("open", r); }
    std::optional<FileDialogResult> SaveFile(const FileDialogRequest& r) override { return NextFile("save", r); }
    Answer SaveChangesPrompt() override {
        shown.push_back({"prompt", "", ""});
        if (prompts.empty()) return Answer::Cancel;
        Answer a = prompts.front();
        prompts.pop_front();
        return a;
    }
    std::optional<int> ChooseColor(int initial) override {
        shown.push_back({"color", "", ""});
        colorInitials.push_back(initial);
        if (colors.empty()) return std::nullopt;
        auto c = colors.front();
        colors.pop_front();
        return c;
    }
    std::optional<std::string> ChooseSample() override {
        shown.push_back({"gallery", "", ""});
        if (samples.empty()) return std::nullopt;
        auto s = samples.front();
        samples.pop_front();
        return s;
    }
    bool OpenWithShell(const std::string& target) override {
        shown.push_back({"shell", "", target});
        return true;
    }
    void BeginBusy() override {
        ++busyDepth;
        ++busyCount;
    }
    void EndBusy() override { --busyDepth; }

    int Count(const std::string& kind) const {
        int n = 0;
        for (const auto& s : shown) n += s.kind == kind;
        return n;
    }

private:
    std::optional<FileDialogResult> NextFile(const char* kind, const FileDialogRequest& r) {
        shown.push_back({kind, r.title, r.filter});
        fileRequests.push_back(r);
        if (files.empty()) return std::nullopt;
        auto f = files.front();
        files.pop_front();
        return f;
    }
};

}  // namespace quillora::test
