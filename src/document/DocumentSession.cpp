#include "document/DocumentSession.h"

#include "document/TemplateFile.h"
#include "document/TextFile.h"
#include "render/TextConversions.h"
#include "shell/TextCatalogue.h"

namespace quillora {

DocumentSession::DocumentSession(AppFolders folders, UserDialogs& dialogs)
    : folders_(std::move(folders)), store_(folders_.temp), dialogs_(dialogs) {}

void DocumentSession::LoadSettings() {
    quillora::LoadSettings(doc_.currentFile, doc_, folders_.prog, folders_.images);
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
