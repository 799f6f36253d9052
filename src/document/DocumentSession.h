#pragma once
// The open newsletter with its folders and block store: the load, show and save steps
// that the window, the headless command line and the template commands share.
#include "document/BlockStore.h"
#include "document/NewsletterDocument.h"
#include "shell/AppFolders.h"
#include "shell/UserDialogs.h"

#include <functional>
#include <string>

namespace quillora {

class DocumentSession {
public:
    // What a window needs to hear to mirror the document.
    class Listener {
    public:
        virtual ~Listener() = default;
        virtual void SettingsLoaded() {}
        virtual void BlockListChanged() {}
        virtual void EditorChanged() {}
    };

    DocumentSession(AppFolders folders, UserDialogs& dialogs);

    NewsletterDocument& Doc() { return doc_; }
    const NewsletterDocument& Doc() const { return doc_; }
    const AppFolders& Folders() const { return folders_; }
    const BlockStore& Store() const { return store_; }
    UserDialogs& Dialogs() { return dialogs_; }

    void SetListener(Listener* listener) { listener_ = listener; }

    // Filled by the editor: makes the source editor hold the body the user sees.
    std::function<void()> syncEditors;
    // Filled by the source editor: forgets its undo steps.
    std::function<void()> clearUndoSnapshots;

    // True while the window is being created; the subject rules stay quiet then.
    bool loading = false;

    void LoadSettings();
    void LoadBlocks();
    // LoadSettings, LoadBlocks, then select and show the first block.
    void LoadTemplate();

    // Writes the document to `file`. Throws FileError; the file is replaced atomically.
    void SaveTemplate(const std::string& file);

    // The block list's click: shows the selected block, or asks for a selection.
    void Select(int index);

    // Writes the selected block from the editor to its work file, then rewrites the
    // current file and reads it back (work files renumbered, no block selected).
    // False when the template could not be written; the user has been told.
    bool CommitBlock();

    // The block buttons.
    void NewBlock();
    void DeleteBlock();
    void MoveBlock(bool up);
    // Loads work file n into the editor. Throws FileError when it cannot be read.
    void ShowBlock(int n);

    void SyncEditors() {
        if (syncEditors) syncEditors();
    }
    void ClearUndoSnapshots() {
        if (clearUndoSnapshots) clearUndoSnapshots();
    }

private:
    bool RewriteAndReload();
    std::vector<std::string> EditorLines() const;

    void NotifySettings() {
        if (listener_) listener_->SettingsLoaded();
    }
    void NotifyList() {
        if (listener_) listener_->BlockListChanged();
    }
    void NotifyEditor() {
        if (listener_) listener_->EditorChanged();
    }

    AppFolders folders_;
    BlockStore store_;
    UserDialogs& dialogs_;
    NewsletterDocument doc_;
    Listener* listener_ = nullptr;
};

// The editor fields of a block from its work-file lines (five, six or seven).
NewsBlock BlockFromLines(const std::vector<std::string>& lines, const std::string& progFolder);

// A work file as the page generator and the exporters see it: every field trimmed,
// "$STARTPATH$" resolved, the body repaired with ConvertString. Throws FileError.
NewsBlock ReadBlock(const std::string& workFile, const std::string& progFolder);

}  // namespace quillora
