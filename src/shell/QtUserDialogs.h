#pragma once
#include "shell/UserDialogs.h"

#include <QStringList>
#include <functional>

class QWidget;

namespace quillora {

// The real dialogs: Qt message boxes, file dialogs and the desktop opener.
class QtUserDialogs : public UserDialogs {
public:
    void SetParent(QWidget* parent) { parent_ = parent; }

    void Error(const std::string& title, const std::string& text) override;
    void Information(const std::string& text) override;
    void Message(const std::string& text) override;
    Answer Question(const std::string& title, const std::string& text) override;
    std::optional<FileDialogResult> OpenFile(const FileDialogRequest& request) override;
    std::optional<FileDialogResult> SaveFile(const FileDialogRequest& request) override;
    Answer SaveChangesPrompt() override;
    std::optional<int> ChooseColor(int initial) override;
    std::optional<std::string> ChooseSample() override;
    bool OpenWithShell(const std::string& pathOrUrl) override;

    // Shows the gallery; set by whoever owns it.
    std::function<std::optional<std::string>()> sampleChooser;
    void BeginBusy() override;
    void EndBusy() override;

private:
    QWidget* parent_ = nullptr;
};

// "Name|*.a|Other|*.b|" as a Qt filter list.
QStringList QtFilters(const std::string& filter);

}  // namespace quillora
