#include "document/DocumentSession.h"

#include "document/TemplateFile.h"
#include "document/TextFile.h"
#include "render/SubjectRules.h"
#include "render/TextConversions.h"
#include "shell/TextCatalogue.h"

#include <filesystem>

namespace quillora {

DocumentSession::DocumentSession(AppFolders folders, UserDialogs& dialogs)
    : folders_(std::move(folders)), store_(folders_.temp), dialogs_(dialogs) {}

void DocumentSession::LoadSettings() {
    const std::string subjectBefore = doc_.settings.Berteff;
    quillora::LoadSettings(doc_.currentFile, doc_, folders_.prog, folders_.images);
    // A subject field that changes while a template is opened runs the subject rules,
    // as typing does; the reload after a commit brings back the same text.
    if (!loading && doc_.settings.Berteff != subjectBefore)
        doc_.settings.Berteff = RunSubjectRules(doc_.settings.Berteff, false, dialogs_).text;
    NotifySettings();
}

void DocumentSession::LoadBlocks() {
    SyncEditors();
    doc_.blockList.clear();
    doc_.selectedBlock = -1;
    try {
        doc_.blockList = quillora::LoadBlocks(doc_.currentFile, store_);
    } catch (const FileError& e) {
        dialogs_.Error(GetText("IDS_200"), e.what());
    }
    NotifyList();
}

void DocumentSession::LoadTemplate() {
    LoadSettings();
    LoadBlocks();
    doc_.selectedBlock = doc_.blockList.empty() ? -1 : 0;
    NotifyList();
    Select(doc_.selectedBlock);
}

void DocumentSession::SaveTemplate(const std::string& file) {
    SyncEditors();
    quillora::SaveTemplate(file, doc_.settings, store_);
}

void DocumentSession::Select(int index) {
    SyncEditors();
    ClearUndoSnapshots();
    doc_.selectedBlock = index;
    if (index < 0 || index >= static_cast<int>(doc_.blockList.size())) {
        doc_.selectedBlock = -1;
        dialogs_.Error("Information", GetText("IDS_11"));
        return;
    }
    try {
        ShowBlock(index + 1);
    } catch (const FileError& e) {
        dialogs_.Error(GetText("IDS_200"), e.what());
    }
}

std::vector<std::string> DocumentSession::EditorLines() const {
    const NewsBlock& e = doc_.editor;
    return {e.Headline, e.PicturePath, e.LinkText, e.URL, e.PictureSide == "right" ? "right" : "left", e.Body};
}

bool DocumentSession::RewriteAndReload() {
    try {
        quillora::SaveTemplate(doc_.currentFile, doc_.settings, store_);
    } catch (const FileError& e) {
        dialogs_.Error(GetText("IDS_200"), e.what());
        return false;
    }
    LoadSettings();
    LoadBlocks();
    return true;
}

bool DocumentSession::CommitBlock() {
    SyncEditors();
    const int i = doc_.selectedBlock;
    if (i >= 0 && i < static_cast<int>(doc_.blockList.size())) {
        try {
            store_.WriteLines(i + 1, EditorLines());
        } catch (const FileError& e) {
            dialogs_.Error(GetText("IDS_200"), e.what());
            return false;
        }
    }
    return RewriteAndReload();
}

void DocumentSession::NewBlock() {
    doc_.modified = true;
    ClearUndoSnapshots();
    CommitBlock();
    doc_.editor = NewsBlock();
    NotifyEditor();
    doc_.blockList.push_back(GetText("IDS_9"));
    doc_.selectedBlock = static_cast<int>(doc_.blockList.size()) - 1;
    doc_.editorVisible = true;
    NotifyList();
}

void DocumentSession::DeleteBlock() {
    doc_.modified = true;
    ClearUndoSnapshots();
    const int i = doc_.selectedBlock;
    if (i < 0 || i >= static_cast<int>(doc_.blockList.size())) {
        dialogs_.Error(GetText("IDS_200"), GetText("IDS_10"));
        return;
    }
    doc_.blockList.erase(doc_.blockList.begin() + i);
    std::error_code ec;
    std::filesystem::remove(store_.BlockFileName(i + 1), ec);
    if (doc_.blockList.empty()) doc_.editorVisible = false;
    NotifyList();
    RewriteAndReload();
}

void DocumentSession::MoveBlock(bool up) {
    const NewsBlock& e = doc_.editor;
    if (e.Headline.empty() && e.Body.empty() && e.PicturePath.empty()) {
        dialogs_.Information(GetText("IDS_83"));
        return;
    }
    const int count = static_cast<int>(doc_.blockList.size());
    const int s = doc_.selectedBlock;
    if (s < 0 || s >= count) return;
    const int t = up ? (s == 0 ? count - 1 : s - 1) : (s == count - 1 ? 0 : s + 1);
    try {
        // A block created but not yet committed has no work file; it moves all the same.
        if (!FileExists(store_.BlockFileName(s + 1))) store_.WriteLines(s + 1, EditorLines());
        if (s != t) store_.Swap(s + 1, t + 1);
    } catch (const FileError& err) {
        dialogs_.Error(GetText("IDS_200"), err.what());
        return;
    }
    doc_.modified = true;
    if (!RewriteAndReload()) return;
    doc_.selectedBlock = t;
    NotifyList();
}

NewsBlock BlockFromLines(const std::vector<std::string>& raw, const std::string& progFolder) {
    std::vector<std::string> lines = raw;
    lines.resize(std::max<std::size_t>(lines.size(), 7));
    auto isSide = [](const std::string& l) {
        const std::string t = Trim(l);
        return t == "left" || t == "right";
    };
    NewsBlock b;
    b.Headline = lines[0];
    b.PicturePath = ResolveStartPath(lines[1], progFolder);
    b.LinkText = lines[2];
    b.URL = lines[3];
    b.PictureSide = Trim(lines[4]) == "right" ? "right" : "left";
    // Five lines: the body follows the URL. Seven: a second side word precedes it.
    if (!isSide(lines[4]))
        b.Body = lines[4];
    else if (isSide(lines[5]) && raw.size() >= 7)
        b.Body = lines[6];
    else
        b.Body = lines[5];
    return b;
}

NewsBlock ReadBlock(const std::string& workFile, const std::string& progFolder) {
    const auto lines = SplitLines(ReadFileBytes(workFile));
    NewsBlock b = BlockFromLines(lines, progFolder);
    b.Headline = Trim(b.Headline);
    b.PicturePath = Trim(ResolveStartPath(Trim(lines.size() > 1 ? lines[1] : std::string()), progFolder));
    b.LinkText = Trim(b.LinkText);
    b.URL = Trim(b.URL);
    b.Body = ConvertString(Trim(b.Body));
    return b;
}

void DocumentSession::ShowBlock(int n) {
    doc_.editor = BlockFromLines(store_.ReadLines(n), folders_.prog);
    NotifyEditor();
}

}  // namespace quillora
