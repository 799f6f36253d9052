#include "app/CommandLine.h"

#include "document/DocumentSession.h"
#include "delivery/EmlBuilder.h"
#include "delivery/MsgBuilder.h"
#include "delivery/RssFeed.h"
#include "delivery/TextVersion.h"
#include "document/TextFile.h"
#include "render/PageGenerator.h"
#include "render/PictureMode.h"
#include "render/Cp1252.h"
#include "shell/AppFolders.h"
#include "shell/ConsoleDialogs.h"
#include "shell/Startup.h"
#include "shell/TextCatalogue.h"

#include <QDateTime>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <vector>

namespace quillora {
namespace {

// A work folder of its own, so that a running window keeps its block files.
class RunFolder {
public:
    RunFolder() {
        std::string pattern = PrivateTempFolder() + "run-XXXXXX";
        std::vector<char> buf(pattern.begin(), pattern.end());
        buf.push_back('\0');
        if (::mkdtemp(buf.data())) path_ = WithSlash(buf.data());
    }
    ~RunFolder() {
        std::error_code ec;
        if (!path_.empty()) std::filesystem::remove_all(path_, ec);
    }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

bool German() { return ActiveLanguage() == Language::German; }
std::string L(const char* de, const char* en) { return German() ? de : en; }

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    return std::filesystem::exists(b, ec) && std::filesystem::equivalent(a, b, ec);
}

}  // namespace

bool IsExportCommand(const std::vector<std::string>& args) {
    for (const auto& a : args)
        if (a == "--export" || a.rfind("--export=", 0) == 0) return true;
    return false;
}

std::string UsageText() {
    return "Usage: quillora --export html|txt|rss|eml|msg|qrx --out FILE [--date TEXT] [--lang de|en]\n"
           "                [--external-base URL] [--now \"YYYY-MM-DD HH:MM:SS\"] TEMPLATE.qrx\n"
           "       quillora [TEMPLATE.qrx]\n";
}

std::string ParseExportOptions(const std::vector<std::string>& args, ExportOptions& o) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string a = args[i];
        std::string value;
        bool inlineValue = false;
        if (a.rfind("--", 0) == 0) {
            const auto eq = a.find('=');
            if (eq != std::string::npos) {
                value = a.substr(eq + 1);
                a = a.substr(0, eq);
                inlineValue = true;
            }
        }
        auto take = [&](std::string& into) -> bool {
            if (inlineValue) {
                into = value;
                return true;
            }
            if (i + 1 >= args.size()) return false;
            into = args[++i];
            return true;
        };
        std::string* target = nullptr;
        if (a == "--export") target = &o.format;
        else if (a == "--out") target = &o.out;
        else if (a == "--date") target = &o.date;
        else if (a == "--lang") target = &o.lang;
        else if (a == "--external-base") target = &o.externalBase;
        else if (a == "--now") target = &o.now;
        if (target) {
            if (!take(*target)) return "missing value for " + a;
            continue;
        }
        if (a.rfind("--", 0) == 0) return "unknown option " + a;
        if (!o.templatePath.empty()) return "more than one template given";
        o.templatePath = args[i];
    }
    static const char* formats[] = {"html", "txt", "rss", "eml", "msg", "qrx"};
    bool known = false;
    for (const char* f : formats) known = known || o.format == f;
    if (!known) return "unknown export format '" + o.format + "'";
    if (o.out.empty()) return "--out FILE is required";
    if (o.templatePath.empty()) return "no template given";
    if (!o.lang.empty() && o.lang != "de" && o.lang != "en") return "--lang takes de or en";
    return "";
}

int RunExport(const ExportOptions& o, const std::string& programFolder) {
    if (o.lang == "en") SetActiveLanguage(Language::English);
    if (o.lang == "de") SetActiveLanguage(Language::German);
    const std::string templatePath = AbsolutePath(o.templatePath);
    const std::string out = AbsolutePath(o.out);
    if (!FileExists(templatePath)) {
        std::cerr << "quillora: " << L("Vorlage nicht gefunden: ", "template not found: ") << templatePath << "\n";
        return 2;
    }
    if (SameFile(templatePath, out)) {
        std::cerr << "quillora: "
                  << L("die Ausgabe darf nicht die gelesene Vorlage sein",
                       "the output must not be the template being read")
                  << "\n";
        return 2;
    }
    RunFolder work;
    if (work.Path().empty()) {
        std::cerr << "quillora: " << L("kein Arbeitsordner", "no work folder") << "\n";
        return 1;
    }
    AppFolders folders = AppFolders::ForProgram(programFolder);
    folders.temp = work.Path();
    ConsoleDialogs dialogs("quillora");
    DocumentSession session(folders, dialogs);
    session.loading = true;
    session.Doc().currentFile = templatePath;
    session.LoadSettings();
    session.LoadBlocks();
    session.loading = false;

    const std::string dateText = o.date.empty() ? NewsletterDateText(QDate::currentDate()) : Utf8ToCp1252(o.date);
    QDateTime moment = QDateTime::currentDateTime();
    if (!o.now.empty()) {
        moment = QDateTime::fromString(QString::fromStdString(o.now), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        if (!moment.isValid()) {
            std::cerr << "quillora: " << L("--now erwartet \"JJJJ-MM-TT hh:mm:ss\"", "--now takes \"YYYY-MM-DD HH:MM:SS\"")
                      << "\n";
            return 2;
        }
    }
    if (!o.externalBase.empty()) {
        RunPictureMode().externalImages = true;
        RunPictureMode().imageBaseURL = Utf8ToCp1252(o.externalBase);
    }
    const NewsletterDocument& doc = session.Doc();
    try {
        if (o.format == "qrx") {
            session.SaveTemplate(out);
            return 0;
        }
        if (o.format == "html") {
            if (!MakeHTML(out, doc, session.Store(), folders.prog, dateText)) {
                std::cerr << "quillora: " << L("die Seite kann nicht geschrieben werden: ", "cannot write the page: ")
                          << out << "\n";
                return 1;
            }
            return 0;
        }
        if (o.format == "txt") {
            WriteTextExport(out, doc, session.Store(), folders.prog, folders.temp, dateText);
            return 0;
        }
        if (o.format == "rss") {
            WriteRssFeed(out, doc, session.Store(), folders.prog, moment);
            return 0;
        }
        if (o.format == "eml") {
            BuildEmlFile(out, doc, session.Store(), folders, dateText);
            return 0;
        }
        if (o.format == "msg") {
            BuildMsgFile(out, doc, session.Store(), folders, dateText, dialogs);
            return 0;
        }
    } catch (const FileError& e) {
        std::cerr << "quillora: " << Cp1252ToUtf8(e.what()) << "\n";
        return 1;
    }
    std::cerr << "quillora: " << L("unbekanntes Exportformat: ", "unknown export format: ") << o.format << "\n";
    return 2;
}

}  // namespace quillora
