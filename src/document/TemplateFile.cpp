#include "document/TemplateFile.h"

#include "document/ProfileReader.h"
#include "document/TextFile.h"
#include "render/Cp1252.h"
#include "render/TextConversions.h"

#include <filesystem>

namespace quillora {
namespace {

constexpr const char* kSection = "SETTINGS";

bool IsSideWord(const std::string& line) {
    const std::string t = Trim(line);
    return t == "left" || t == "right";
}

}  // namespace

std::string FileNamePart(const std::string& path) {
    const auto pos = path.find_last_of("\\/");
    return pos == std::string::npos ? path : path.substr(pos + 1);
}

std::string ResolveStartPath(const std::string& path, const std::string& progFolder) {
    const auto pos = path.find(kStartPath);
    if (pos == std::string::npos) return path;
    std::string out = path;
    out.replace(pos, std::string(kStartPath).size(), DocumentPath(progFolder));
    return out;
}

std::string ResolvePicturePath(const std::string& storedPath, const std::string& progFolder,
                               const std::string& imagesFolder) {
    const std::string path = ResolveStartPath(storedPath, progFolder);
    if (FileExists(NativePath(path))) return path;
    const std::string name = FileNamePart(path);
    const std::string fallback = DocumentPath(imagesFolder) + name;
    if (name.empty() || FileExists(NativePath(fallback))) return fallback;
    // Windows templates name pictures without regard to case ("IMAGES\new1.JPG").
    const std::string wanted = LowerAscii(NativePath(name));
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(imagesFolder, ec)) {
        const std::string candidate = entry.path().filename().string();
        if (LowerAscii(candidate) == wanted && entry.is_regular_file(ec))
            return DocumentPath(imagesFolder) + DocumentPath(candidate);
    }
    return fallback;
}

Settings ReadSettings(const std::vector<std::string>& lines, const std::string& progFolder,
                      const std::string& imagesFolder) {
    const ProfileReader ini(lines);
    const Settings defaults;
    Settings s;
    auto get = [&](const char* key, const std::string& fallback) {
        return ini.Value(kSection, key, fallback);
    };
    const std::string prog = DocumentPath(progFolder);
    auto graphic = [&](const char* key, const char* defaultName, bool blankMeansNone) {
        std::string v = ResolveStartPath(get(key, prog + "IMAGES\\" + defaultName), progFolder);
        if (blankMeansNone && Trim(v).empty()) return v;
        if (FileExists(NativePath(v))) return v;
        return ResolvePicturePath(v, progFolder, imagesFolder);
    };

    s.Berteff = get("Berteff", defaults.Berteff);
    s.KopfLogo = graphic("KopfLogo", "NEW1.jpg", false);
    s.LogoAlign = get("LogoAlign", defaults.LogoAlign);
    s.Titel1 = get("Titel1", defaults.Titel1);
    s.Titel2 = get("Titel2", defaults.Titel2);
    s.DateText = get("DateText", defaults.DateText);
    s.SeperatorNews = graphic("SeperatorNews", "NEW2.jpg", true);
    s.SeperatorAlign = get("SeperatorAlign", defaults.SeperatorAlign);
    s.SeperatorImpressum = graphic("SeperatorImpressum", "NEW3.jpg", false);
    for (const char* key : {"ImpressumAlign", "ImpressumText", "ImpressumZusatz", "ImpressumMailTo",
                            "ImpressumURL", "TextColor", "LinkColor", "Font", "UnsubscribeLink",
                            "UnsubscribeText", "Uebersicht", "Anchor", "Anchortext", "Anchoralign",
                            "Nummern", "UebersichtText", "Bordercolor", "Bordesize", "BKGColor"}) {
        for (const auto& k : SettingKeys())
            if (std::string(k.name) == key) s.*k.field = get(key, defaults.*k.field);
    }
    if (s.Bordercolor.empty()) s.Bordercolor = "#000000";
    s.DateOn = IsTrue(get("DateOn", "TRUE"));
    s.HeadSeperator = IsTrue(get("HeadSeperator", "FALSE"));
    s.Border = IsTrue(get("Border", "FALSE"));
    return s;
}

bool IsBlockHeader(const std::string& line) {
    const std::string t = Trim(line);
    if (t.size() < 8 || t.compare(0, 6, "[BLOCK") != 0 || t.back() != ']') return false;
    for (std::size_t i = 6; i + 1 < t.size(); ++i)
        if (t[i] < '0' || t[i] > '9') return false;
    return true;
}

std::vector<TemplateBlock> ReadBlocks(const std::vector<std::string>& lines) {
    std::vector<TemplateBlock> blocks;
    std::size_t i = 0;
    const std::size_t n = lines.size();
    while (i < n) {
        if (!IsBlockHeader(lines[i])) {
            ++i;
            continue;
        }
        // The side word on line 5 tells the six-line form from the old five-line one;
        // a second side word on line 6 means seven lines with the body last.
        std::size_t length = 5;
        if (i + 5 < n && IsSideWord(lines[i + 5])) length = (i + 6 < n && IsSideWord(lines[i + 6])) ? 7 : 6;
        TemplateBlock block;
        block.lines.reserve(length);
        for (std::size_t k = 1; k <= length; ++k) block.lines.push_back(i + k < n ? lines[i + k] : std::string());
        blocks.push_back(std::move(block));
        i += length + 1;
    }
    return blocks;
}

std::string BlockListText(int position, const std::string& headline) {
    return "Meldung" + std::to_string(position) + ":  " + Trim(headline);
}

std::string TemplateText(const Settings& s, const std::vector<std::string>& workFiles) {
    std::string out;
    out.reserve(4096 + workFiles.size() * 512);
    auto line = [&](const std::string& l) {
        out += l;
        out += "\r\n";
    };
    line("[SETTINGS]");
    for (const auto& k : SettingKeys()) line(std::string(k.name) + "=" + s.*k.field);
    line(s.Border ? "Border=TRUE" : "Border=FALSE");
    line(s.DateOn ? "DateOn=TRUE" : "DateOn=FALSE");
    line(s.HeadSeperator ? "HeadSeperator=TRUE" : "HeadSeperator=False");
    char header[32];
    int k = 0;
    for (const auto& file : workFiles) {
        ++k;
        std::snprintf(header, sizeof header, "[BLOCK%03d]", k);
        line(" ");
        line(header);
        for (const auto& l : SplitLines(ReadFileBytes(file))) line(l);
    }
    return out;
}

void LoadSettings(const std::string& file, NewsletterDocument& doc, const std::string& progFolder,
                  const std::string& imagesFolder) {
    std::vector<std::string> lines;
    try {
        lines = SplitLines(ReadFileBytes(file));
    } catch (const FileError&) {
        // A template that cannot be read shows the defaults.
    }
    doc.settings = ReadSettings(lines, progFolder, imagesFolder);
    doc.SyncControlsFromSettings();
}

std::vector<std::string> LoadBlocks(const std::string& file, const BlockStore& store) {
    store.DeleteBlockFiles();
    std::vector<std::string> lines;
    try {
        lines = SplitLines(ReadFileBytes(file));
    } catch (const FileError&) {
        return {};
    }
    std::vector<std::string> list;
    int p = 0;
    for (const auto& block : ReadBlocks(lines)) {
        ++p;
        store.WriteLines(p, block.lines);
        list.push_back(BlockListText(p, block.lines.front()));
    }
    return list;
}

void SaveTemplate(const std::string& file, const Settings& settings, const BlockStore& store) {
    WriteFileAtomic(file, TemplateText(settings, store.ListBlockFiles()));
}

}  // namespace quillora
