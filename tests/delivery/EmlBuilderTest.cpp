#include "delivery/EmlBuilder.h"

#include "document/DocumentSession.h"
#include "document/TextFile.h"
#include "render/Cp1252.h"
#include "render/PictureMode.h"
#include "render/TextConversions.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFolders.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <sys/wait.h>
#include <vector>

// Every message is read back by Python's standard e-mail parser (eml_check.py): an
// independent reader that reports MIME defects, so the tests do not check GMime with
// GMime.

namespace fs = std::filesystem;

namespace quillora {
namespace {

using test::ScriptedDialogs;
using test::TestFolders;

std::string ShellQuoted(const std::string& s) {
    std::string out = "'";
    for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

struct Checked {
    int status = -1;
    QJsonObject summary;

    bool Ok() const { return status == 0 && summary.value("ok").toBool(); }
    std::string Errors() const {
        return QJsonDocument(summary.value("errors").toArray()).toJson(QJsonDocument::Compact).toStdString();
    }
    std::string Structure() const { return summary.value("structure").toString().toStdString(); }
    std::vector<std::string> Strings(const char* key) const {
        std::vector<std::string> out;
        for (const auto& v : summary.value(key).toArray()) out.push_back(v.toString().toStdString());
        return out;
    }
    std::set<std::string> PictureNames() const {
        std::set<std::string> out;
        for (const auto& v : summary.value("images").toArray())
            out.insert(v.toObject().value("filename").toString().toStdString());
        return out;
    }
};

// Runs the checker on `eml` with further options ("--subject", "Grüße", ...).
Checked Check(const std::string& eml, const std::vector<std::string>& options = {}) {
    std::string command = "/usr/bin/python3 " + ShellQuoted(test::SourceDir() + "/tests/delivery/eml_check.py") + " " +
                          ShellQuoted(eml);
    for (const auto& o : options) command += " " + ShellQuoted(o);
    Checked result;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return result;
    std::string out;
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;) out.append(buf, n);
    const int status = ::pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.summary = QJsonDocument::fromJson(QByteArray::fromStdString(out)).object();
    return result;
}

class PictureModeScope {
public:
    explicit PictureModeScope(PictureMode mode) : saved_(RunPictureMode()) { RunPictureMode() = std::move(mode); }
    ~PictureModeScope() { RunPictureMode() = saved_; }

private:
    PictureMode saved_;
};

// The shipped default newsletter: pictures on the left and on the right, separators,
// header and footer graphics, umlauts and a euro sign in the texts.
class EmlBuilderTest : public ::testing::Test {
protected:
    void SetUp() override {
        session.loading = true;
        session.Doc().currentFile = world.Folders().prog + "Quillora_Vorlage.qrx";
        session.LoadSettings();
        session.LoadBlocks();
        ASSERT_EQ(session.Doc().blockList.size(), 7u);
        fs::create_directories(out);
    }

    void Build(const std::string& target) {
        BuildEmlFile(target, session.Doc(), session.Store(), world.Folders(), "11.12.2026");
    }

    // The alternative as the text version defines it, written out for the checker.
    std::string ExpectedPlainFile() {
        std::vector<std::string> lines = SplitLines(ReadFileBytes(temp() + "preview1.txt"));
        if (!lines.empty()) lines.erase(lines.begin());
        return world.Write("expected-plain.txt", JoinLinesCrLf(lines));
    }

    std::string temp() const { return world.Folders().temp; }

    TestFolders world;
    ScriptedDialogs dialogs;
    DocumentSession session{world.Folders(), dialogs};
    const std::string out = world.Root() + "out/";
};

TEST_F(EmlBuilderTest, DefaultNewsletterEmbedsEveryPictureOnce) {
    const std::string target = out + "news.eml";
    Build(target);
    const Checked c = Check(target, {"--subject", Cp1252ToUtf8(session.Doc().settings.Berteff), "--pictures", temp(),
                                     "--page", temp() + "preview1.html", "--plain", ExpectedPlainFile()});
    ASSERT_TRUE(c.Ok()) << c.Errors();

    std::string related = "multipart/related[text/html";
    for (int i = 0; i < 9; ++i) related += ",image/jpeg";
    EXPECT_EQ(c.Structure(), "multipart/alternative[text/plain," + related + "]]");
    EXPECT_EQ(c.PictureNames(),
              (std::set<std::string>{"kopf_lindenhof.jpg", "NEW2.jpg", "NEW3.jpg", "artikel_wohnen.jpg",
                                     "artikel_gluehbirne.jpg", "artikel_kalender.jpg", "artikel_geschenk.jpg",
                                     "artikel_blatt.jpg", "artikel_kaffee.jpg"}));
    for (const auto& src : c.Strings("srcs")) EXPECT_TRUE(src.starts_with("cid:")) << src;
    EXPECT_EQ(c.Strings("headers"), (std::vector<std::string>{"Subject", "X-Unsent", "MIME-Version", "Content-Type"}));
    EXPECT_EQ(c.summary.value("charsets").toObject().value("text/html").toString(), "windows-1252");
    EXPECT_EQ(c.summary.value("charsets").toObject().value("text/plain").toString(), "windows-1252");
    for (const auto& v : c.summary.value("images").toArray())
        EXPECT_EQ(v.toObject().value("disposition").toString(), "inline");

    // The page's bare carriage returns (the overview line) and its odd quoting survive:
    // the --page check compares the whole body, byte for byte.
    EXPECT_NE(ReadFileBytes(temp() + "preview1.html").find("\r<"), std::string::npos) << "fixture lost its bare CR";
}

TEST_F(EmlBuilderTest, PlainTextKeepsEqualsSignsInLinks) {
    auto lines = session.Store().ReadLines(1);
    lines[3] = "https://www.lindenhof-design.example/aktion?id=7&ref=newsletter";
    session.Store().WriteLines(1, lines);
    const std::string target = out + "links.eml";
    Build(target);
    const Checked c = Check(target);
    ASSERT_TRUE(c.Ok()) << c.Errors();
    const std::string plain = c.summary.value("plain").toString().toStdString();
    EXPECT_NE(plain.find("aktion?id=7&ref=newsletter"), std::string::npos) << plain;
    EXPECT_EQ(plain.find("=3D"), std::string::npos);
}

TEST_F(EmlBuilderTest, ExternalPicturesKeepTheirWebAddresses) {
    // A body's own local picture is not embedded either: the external mode means no
    // picture travels with the message.
    std::vector<std::string> last = session.Store().ReadLines(7);
    last.back() += "<img src=\"extra.jpg\">";
    session.Store().WriteLines(7, last);
    WriteFileWhole(temp() + "extra.jpg", "EXTRA");

    PictureModeScope external({true, "http://bilder.example/nl/"});
    const std::string target = out + "news.eml";
    Build(target);
    const Checked c = Check(target, {"--page", temp() + "preview1.html"});
    ASSERT_TRUE(c.Ok()) << c.Errors();
    EXPECT_EQ(c.Structure(), "multipart/alternative[text/plain,text/html]");
    EXPECT_TRUE(c.PictureNames().empty());
    std::vector<std::string> local;
    int web = 0;
    for (const auto& src : c.Strings("srcs")) {
        if (src.starts_with("http://bilder.example/nl/"))
            ++web;
        else
            local.push_back(src);
    }
    EXPECT_EQ(web, 14) << "header, six separators, six articles, footer";
    EXPECT_EQ(local, std::vector<std::string>{"extra.jpg"});
}

TEST_F(EmlBuilderTest, SubjectIsTrimmedAndEncodedOnlyWhenNeeded) {
    struct Case {
        std::string field;  // cp1252
        std::string expected;
        bool encoded;
    };
    std::string longText;
    for (int i = 0; i < 4; ++i) longText += "Neuigkeiten aus dem Lindenhof f\xFCr Sie ";
    const std::vector<Case> cases = {
        {"  Gr\xFC\xDF" "e aus K\xF6ln: 20 \x80 Rabatt \x84jetzt\x93  ", "Grüße aus Köln: 20 € Rabatt „jetzt“", true},
        {"\tNewsletter Dezember ", "Newsletter Dezember", false},
        {longText, Cp1252ToUtf8(Trim(longText)), true},
        // Looks like an encoded word, so it must be encoded to reach the reader unchanged.
        {"Preis =?iso-8859-1?q?nicht?= dekodieren", "Preis =?iso-8859-1?q?nicht?= dekodieren", true},
        {"=?" + longText + "\x80", "=?" + Cp1252ToUtf8(longText) + "€", true},
        {"   ", "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        session.Doc().settings.Berteff = c.field;
        const std::string target = out + "subject.eml";
        Build(target);
        const Checked checked = Check(target, {"--subject", c.expected});
        EXPECT_TRUE(checked.Ok()) << checked.Errors();
        const std::string raw = ReadFileBytes(target);
        const std::string header = raw.substr(0, raw.find("\r\nX-Unsent"));
        EXPECT_EQ(header.find("=?UTF-8?") != std::string::npos, c.encoded) << header;
        for (const std::string& line : SplitLines(header)) EXPECT_LE(line.size(), 78u) << "folded: " << line;
    }
}

TEST_F(EmlBuilderTest, FailedBuildLeavesTheTargetAsItWas) {
    struct Case {
        const char* name;
        std::string target;
        std::string tempFolder;
        const char* named;  // the file the message must name
    };
    const std::vector<Case> cases = {
        {"target folder missing", world.Root() + "missing/news.eml", temp(), "missing/news.eml"},
        {"page cannot be written", out + "news.eml", world.Root() + "no-temp/", "no-temp/preview1.html"},
    };
    world.Write("out/news.eml", "GOOD OLD MESSAGE");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AppFolders folders = world.Folders();
        folders.temp = c.tempFolder;
        try {
            BuildEmlFile(c.target, session.Doc(), session.Store(), folders, "11.12.2026");
            ADD_FAILURE() << "no error reported";
        } catch (const FileError& e) {
            EXPECT_NE(std::string(e.what()).find(c.named), std::string::npos) << e.what();
        }
        EXPECT_EQ(ReadFileBytes(out + "news.eml"), "GOOD OLD MESSAGE");
        EXPECT_FALSE(fs::exists(world.Root() + "missing"));
        std::vector<std::string> left;
        for (const auto& entry : fs::directory_iterator(out)) left.push_back(entry.path().filename().string());
        EXPECT_EQ(left, std::vector<std::string>{"news.eml"}) << "no temporary file stays behind";
    }
}

TEST_F(EmlBuilderTest, ShortTextVersionGivesAnEmptyAlternative) {
    // A text version of one line: only the single blank, nothing after it.
    EXPECT_EQ(PlainAlternative({" "}), "");
    EXPECT_EQ(PlainAlternative({}), "");
    EXPECT_EQ(PlainAlternative({" ", "Hallo", "", "Impressum:"}), "Hallo\r\n\r\nImpressum:\r\n");

    EmlContent content;
    content.subject = "Leer";
    content.html = "<html><body>x</body></html>\r\n";
    const std::string target = world.Write("out/empty.eml", ComposeEml(content));
    const Checked c = Check(target, {"--subject", "Leer"});
    ASSERT_TRUE(c.Ok()) << c.Errors();
    EXPECT_EQ(c.summary.value("plain").toString(), "");
}

// Hand-written markup as block bodies may hold it, beside the page's own forms.
TEST(ComposeEml, PictureReferencesInEveryForm) {
    TestFolders world(false);
    const std::string pics = world.Root() + "pics/";
    world.Write("pics/a.jpg", std::string("\xFF\xD8\xFF\xE0 A", 6));
    world.Write("pics/b.GIF", "GIF89a B");
    world.Write("pics/c.png", "\x89PNG C");
    world.Write("pics/d.jpg", "D");
    world.Write("pics/Sub Folder/e.jpeg", "E");
    fs::create_directories(pics + "folder.jpg");
    const std::string absolute = world.Write("elsewhere/f.jpg", "F");

    EmlContent content;
    content.subject = "Bilder";
    content.pictureFolder = pics;
    content.plainText = "Bilder\r\n";
    content.html =
        "<html><body background=\"c.png\">\r\n"
        "<img src=\"a.jpg\"><IMG SRC='b.GIF'>\r\n"
        "<td background=c.png>Text: src=\"a.jpg\" stays</td>\r\n"
        "<img alt=\"\" border=\"0\" =20\r\nsrc=\"d.jpg\">\r\n"
        "<img src = \"a.jpg\" ><img src=\"Sub Folder/e.jpeg\"><img src=\"" +
        absolute +
        "\">\r\n"
        "<img src=\"http://example.org/w.jpg\"><img src=\"missing.jpg\">"
        "<img src=\"\"><img src=\"C:\\Bilder\\a.jpg\"><img src=\"#top\"><img src=\"folder.jpg\">\r\n"
        "<td width=\"100% bgColor=\"#FFFFFF\"><img src=\"d.jpg\"></td></body></html>\r\n";
    const Checked c = Check(world.Write("out/refs.eml", ComposeEml(content)));
    EXPECT_TRUE(c.Ok()) << c.Errors();

    // Each embedded reference written as "@" + the file name of the part it names.
    std::map<std::string, std::string> nameOf, typeOf;
    for (const auto& v : c.summary.value("images").toArray()) {
        const QJsonObject image = v.toObject();
        const std::string name = image.value("filename").toString().toStdString();
        nameOf["cid:" + image.value("cid").toString().toStdString()] = name;
        typeOf[name] = image.value("type").toString().toStdString();
    }
    std::vector<std::string> refs;
    for (const auto& s : c.Strings("srcs")) refs.push_back(nameOf.count(s) ? "@" + nameOf[s] : s);
    EXPECT_EQ(refs, (std::vector<std::string>{"@c.png", "@a.jpg", "@b.GIF", "@c.png", "a.jpg", "@d.jpg", "@a.jpg",
                                              "@e.jpeg", "@f.jpg", "http://example.org/w.jpg",
                                              "missing.jpg", "", "C:\\Bilder\\a.jpg", "#top", "folder.jpg",
                                              "@d.jpg"}));
    EXPECT_EQ(nameOf.size(), 6u) << "one part per file, however often it is shown";
    EXPECT_EQ(typeOf["a.jpg"], "image/jpeg");
    EXPECT_EQ(typeOf["b.GIF"], "image/gif");
    EXPECT_EQ(typeOf["c.png"], "image/png");
    EXPECT_EQ(typeOf["e.jpeg"], "image/jpeg");

    content.embedPictures = false;
    const Checked plain = Check(world.Write("out/plain.eml", ComposeEml(content)));
    EXPECT_TRUE(plain.Ok()) << plain.Errors();
    EXPECT_EQ(plain.Structure(), "multipart/alternative[text/plain,text/html]");
    EXPECT_EQ(plain.Strings("srcs")[1], "a.jpg");
}

TEST(SavedTemplateEmlPath, BaseNameUpToTheFirstDot) {
    TestFolders world(false);
    const std::string docs = world.Folders().documents;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"/home/u/Vorlagen/news.2011.qrx", "news.eml"},
        {"/home/u/Quillora_Vorlage.qrx", "Quillora_Vorlage.eml"},
        {"/home/u.v/ohne", "ohne.eml"},
        {"relativ.QRX", "relativ.eml"},
    };
    for (const auto& [path, name] : cases) {
        SCOPED_TRACE(path);
        EXPECT_EQ(SavedTemplateEmlPath(world.Folders(), path), docs + name);
    }
}

}  // namespace
}  // namespace quillora
