// Runs the converter program as the main program does and reads the message file
// back through libgsf.
#include "ConverterToken.h"
#include "EmlReader.h"
#include "MsgReader.h"

#include <glib.h>
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

namespace fs = std::filesystem;

namespace quillora::msgconvert::test {
namespace {

// Tags as the file format defines them, spelled out here rather than taken from
// the writer.
constexpr std::uint32_t kMessageClass = 0x001A001F;
constexpr std::uint32_t kSubject = 0x0037001F;
constexpr std::uint32_t kMessageFlags = 0x0E070003;
constexpr std::uint32_t kBody = 0x1000001F;
constexpr std::uint32_t kHtml = 0x10130102;
constexpr std::uint32_t kInternetCodepage = 0x3FDE0003;
constexpr std::uint32_t kAttachData = 0x37010102;
constexpr std::uint32_t kAttachFilename = 0x3704001F;
constexpr std::uint32_t kAttachLongFilename = 0x3707001F;
constexpr std::uint32_t kAttachMimeTag = 0x370E001F;
constexpr std::uint32_t kAttachContentId = 0x3712001F;
constexpr std::uint32_t kAttachMethod = 0x37050003;
constexpr std::uint32_t kAttachmentHidden = 0x7FFE000B;
constexpr std::uint32_t kRenderingPosition = 0x370B0003;
constexpr std::uint32_t kMsgFlagUnsent = 0x8;

constexpr std::size_t kTopHeader = 32;
constexpr std::size_t kAttachHeader = 8;

class TempDir {
public:
    TempDir() {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/quillora-msgconvert-XXXXXX";
        if (!g_mkdtemp(pattern.data())) std::abort();
        root_ = pattern;
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(root_, ec);
    }
    std::string Path(const std::string& name) const { return (root_ / name).string(); }
    std::string Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(Path(name), std::ios::binary) << bytes;
        return Path(name);
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(root_)) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    fs::path root_;
};

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string Fixture(const std::string& name) { return std::string(MSGCONVERT_FIXTURES) + "/" + name; }

struct RunResult {
    int status = -1;
    std::string err;
};

// Started as the main program starts it: from the program folder, without a shell.
RunResult RunConverter(const std::vector<std::string>& args) {
    std::vector<char*> argv{const_cast<char*>(MSGCONVERT_PROGRAM)};
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const std::string folder = fs::path(MSGCONVERT_PROGRAM).parent_path().string();
    gchar* out = nullptr;
    gchar* err = nullptr;
    gint wait = 0;
    GError* error = nullptr;
    RunResult run;
    if (!g_spawn_sync(folder.c_str(), argv.data(), nullptr, G_SPAWN_DEFAULT, nullptr, nullptr, &out, &err, &wait,
                      &error)) {
        ADD_FAILURE() << "cannot start the converter: " << error->message;
        g_error_free(error);
        return run;
    }
    run.status = g_spawn_check_wait_status(wait, nullptr) ? 0 : (WIFEXITED(wait) ? WEXITSTATUS(wait) : 255);
    run.err = err ? err : "";
    g_free(out);
    g_free(err);
    return run;
}

RunResult Convert(const std::string& eml, const std::string& msg) { return RunConverter({kMsgConverterToken, eml, msg}); }

TEST(MsgConvert, NewsletterBecomesUnsentHtmlMessageWithHiddenPictures) {
    TempDir dir;
    const std::string target = dir.Path("news.msg");
    const RunResult run = Convert(Fixture("newsletter.eml"), target);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"news.msg"});

    MsgFile msg(target);
    for (const char* path : {"__properties_version1.0", "__nameid_version1.0/__substg1.0_00020102",
                             "__nameid_version1.0/__substg1.0_00030102", "__nameid_version1.0/__substg1.0_00040102",
                             "__attach_version1.0_#00000000/__properties_version1.0",
                             "__attach_version1.0_#00000001/__properties_version1.0"})
        EXPECT_TRUE(msg.Exists(path)) << path;
    EXPECT_FALSE(msg.Exists("__attach_version1.0_#00000002"));
    EXPECT_FALSE(msg.Exists("__recip_version1.0_#00000000"));

    // Top header: reserved, next recipient ID, next attachment ID, recipient
    // count, attachment count, reserved.
    const std::string header = msg.Header("", kTopHeader);
    ASSERT_EQ(header.size(), kTopHeader);
    EXPECT_EQ(header.substr(0, 8), std::string(8, '\0'));
    EXPECT_EQ(Le32(header, 8), 0u);
    EXPECT_EQ(Le32(header, 12), 2u);
    EXPECT_EQ(Le32(header, 16), 0u);
    EXPECT_EQ(Le32(header, 20), 2u);
    EXPECT_EQ(header.substr(24, 8), std::string(8, '\0'));

    const auto props = msg.Properties("", kTopHeader);
    ASSERT_TRUE(props.count(kMessageFlags));
    EXPECT_TRUE(props.at(kMessageFlags).Long() & kMsgFlagUnsent);
    EXPECT_EQ(msg.Unicode("", kTopHeader, kMessageClass), "IPM.Note");
    EXPECT_EQ(msg.Unicode("", kTopHeader, kSubject), "Frühlingsgrüße aus Köln");
    // Labelled Latin-1, the euro sign is read as Windows-1252 does.
    EXPECT_EQ(msg.Unicode("", kTopHeader, kBody),
              "Liebe Leserinnen und Leser,\r\n"
              "die Frühjahrsausgabe ist da: Grüße aus Köln!\r\n"
              "Eintritt 5 €, Anmeldung bis zum 3. März. Diese Zeile ist länger als die Zeilengrenze.\r\n");
    // The page keeps its Windows-1252 bytes; its Latin-1 declaration agrees with them.
    EXPECT_EQ(msg.Binary("", kTopHeader, kHtml),
              "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\"></head>\r\n"
              "<body><img src=\"cid:masthead.jpg@quillora\"><h1>Fr\xFChlingsgr\xFC\xDF" "e</h1>\r\n"
              "<p>Eintritt 5 \x80</p><img src=\"cid:dot-2@quillora\"></body></html>\r\n");
    ASSERT_TRUE(props.count(kInternetCodepage));
    EXPECT_EQ(props.at(kInternetCodepage).Long(), 1252u);

    struct Picture {
        const char* storage;
        const char* fixture;
        const char* longName;
        const char* shortName;
        const char* mimeType;
        const char* contentId;
    };
    const std::vector<Picture> pictures{
        {"__attach_version1.0_#00000000", "masthead.jpg", "masthead.jpg", "masthead.jpg", "image/jpeg",
         "masthead.jpg@quillora"},
        {"__attach_version1.0_#00000001", "dot.png", "image002.png", "image002.png", "image/png", "dot-2@quillora"},
    };
    for (const Picture& p : pictures) {
        SCOPED_TRACE(p.storage);
        EXPECT_EQ(msg.Header(p.storage, kAttachHeader), std::string(8, '\0'));
        const auto a = msg.Properties(p.storage, kAttachHeader);
        EXPECT_EQ(msg.Binary(p.storage, kAttachHeader, kAttachData), ReadFile(Fixture(p.fixture)));
        EXPECT_EQ(msg.Unicode(p.storage, kAttachHeader, kAttachLongFilename), p.longName);
        EXPECT_EQ(msg.Unicode(p.storage, kAttachHeader, kAttachFilename), p.shortName);
        EXPECT_EQ(msg.Unicode(p.storage, kAttachHeader, kAttachMimeTag), p.mimeType);
        EXPECT_EQ(msg.Unicode(p.storage, kAttachHeader, kAttachContentId), p.contentId);
        ASSERT_TRUE(a.count(kAttachMethod) && a.count(kAttachmentHidden) && a.count(kRenderingPosition));
        EXPECT_EQ(a.at(kAttachMethod).Long(), 1u);
        EXPECT_EQ(a.at(kAttachmentHidden).value[0], 1);
        EXPECT_EQ(a.at(kRenderingPosition).Long(), 0xFFFFFFFFu);
    }
}

TEST(MsgConvert, SimplerStructuresAndCharsets) {
    struct Case {
        const char* name;
        std::string eml;
        std::string subject;
        std::optional<std::string> body;
        std::optional<std::string> html;
        std::uint32_t codePage;
    };
    const std::vector<Case> cases{
        {"single HTML part, UTF-8 in base64, B-encoded subject",
         "Subject: =?utf-8?B?R3LDvMOfZSDigqwgNQ==?=\r\nMIME-Version: 1.0\r\n"
         "Content-Type: text/html; charset=utf-8\r\nContent-Transfer-Encoding: base64\r\n\r\n"
         "PHA+R3LDvMOfZTwvcD4=\r\n",
         "Grüße € 5", std::nullopt, "<p>Grüße</p>", 65001},
        {"single plain part, raw 8-bit Windows-1252, LF line ends",
         "Subject: Gr\xFC\xDF" "e \x80\nMIME-Version: 1.0\nContent-Type: text/plain; charset=windows-1252\n"
         "Content-Transfer-Encoding: 8bit\n\nZeile \xE4\nzwei \x93x\x94\n",
         "Grüße €", "Zeile ä\r\nzwei “x”\r\n", std::nullopt, 0},
        {"HTML in a charset without code page becomes UTF-8, its declaration follows",
         "Subject: x\r\nMIME-Version: 1.0\r\nContent-Type: text/html; charset=macintosh\r\n\r\n"
         "<meta charset=\"macintosh\"><p>\x8A</p>\r\n",
         "x", std::nullopt, "<meta charset=\"utf-8\"><p>ä</p>\r\n", 65001},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const RunResult run = Convert(dir.Write("in.eml", c.eml), dir.Path("out.msg"));
        ASSERT_EQ(run.status, 0) << run.err;
        MsgFile msg(dir.Path("out.msg"));
        const auto props = msg.Properties("", kTopHeader);
        EXPECT_EQ(msg.Unicode("", kTopHeader, kMessageClass), "IPM.Note");
        EXPECT_EQ(msg.Unicode("", kTopHeader, kSubject), c.subject);
        EXPECT_EQ(Le32(msg.Header("", kTopHeader), 20), 0u);
        EXPECT_TRUE(msg.Exists("__nameid_version1.0/__substg1.0_00040102"));
        EXPECT_FALSE(msg.Exists("__attach_version1.0_#00000000"));
        if (c.body)
            EXPECT_EQ(msg.Unicode("", kTopHeader, kBody), *c.body);
        else
            EXPECT_FALSE(props.count(kBody));
        if (c.html) {
            EXPECT_EQ(msg.Binary("", kTopHeader, kHtml), *c.html);
            ASSERT_TRUE(props.count(kInternetCodepage));
            EXPECT_EQ(props.at(kInternetCodepage).Long(), c.codePage);
        } else {
            EXPECT_FALSE(props.count(kHtml));
        }
    }
}

TEST(MsgConvert, RefusesToRunWithoutItsToken) {
    TempDir dir;
    const std::string target = dir.Path("out.msg");
    const std::string eml = Fixture("newsletter.eml");
    const std::vector<std::vector<std::string>> calls{
        {},
        {eml, target},
        {"kqw72mzr19xpt40hbv3", eml, target},
        {std::string(kMsgConverterToken) + "x", eml, target},
        {kMsgConverterToken, eml},
    };
    for (const auto& args : calls) {
        SCOPED_TRACE(testing::PrintToString(args));
        const RunResult run = RunConverter(args);
        EXPECT_NE(run.status, 0);
        EXPECT_NE(run.err.find("quillora-msgconvert: "), std::string::npos) << run.err;
        EXPECT_TRUE(dir.Names().empty());
    }
}

TEST(MsgConvert, FailureLeavesNoMessageFileAndKeepsAnOldOne) {
    struct Case {
        const char* name;
        std::optional<std::string> eml;  // written to emlPath when given
        const char* emlPath;             // relative to the folder
        const char* target;
        std::string reason;  // expected in the message
    };
    const std::vector<Case> cases{
        {"missing EML", std::nullopt, "missing.eml", "out.msg", "missing.eml"},
        {"EML is a folder", std::nullopt, ".", "out.msg", "cannot read"},
        {"empty EML", "", "empty.eml", "out.msg", "empty"},
        {"EML without headers", ReadFile(Fixture("dot.png")), "in.eml", "out.msg", "no e-mail message"},
        {"target folder missing", ReadFile(Fixture("newsletter.eml")), "in.eml", "no/such/out.msg", "no/such/out.msg"},
        {"target is a folder", ReadFile(Fixture("newsletter.eml")), "in.eml", "sub", "sub"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        if (c.eml) dir.Write(c.emlPath, *c.eml);
        if (std::string(c.target) == "sub") fs::create_directory(dir.Path("sub"));
        const auto before = dir.Names();
        const RunResult run = Convert(dir.Path(c.emlPath), dir.Path(c.target));
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find(c.reason), std::string::npos) << run.err;
        EXPECT_EQ(dir.Names(), before);
    }

    TempDir dir;
    const std::string target = dir.Write("news.msg", "the previous message");
    EXPECT_EQ(Convert(dir.Write("bad.eml", ""), target).status, 1);
    EXPECT_EQ(ReadFile(target), "the previous message");
}

TEST(MsgConvert, AcceptsPathsThatKeptTheirQuotes) {
    TempDir dir;
    const RunResult run = Convert("\"" + Fixture("newsletter.eml") + "\"", "\"" + dir.Path("q.msg") + "\"");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"q.msg"});
}

// An independent reader, when the machine has one: the message it rebuilds from
// our file carries the same subject, bodies and pictures.
TEST(MsgConvert, IndependentReaderSeesTheSameMail) {
    const char* reader = "/usr/bin/msgconvert";
    if (!fs::exists(reader)) GTEST_SKIP() << "no independent MSG reader installed";
    TempDir dir;
    ASSERT_EQ(Convert(Fixture("newsletter.eml"), dir.Path("news.msg")).status, 0);
    const std::string back = dir.Path("back.eml");
    const std::string command =
        std::string(reader) + " --outfile '" + back + "' '" + dir.Path("news.msg") + "' 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const MailContent mail = ReadEml(back);
    EXPECT_EQ(mail.subject.value_or(""), "Frühlingsgrüße aus Köln");
    ASSERT_TRUE(mail.plain && mail.html);
    EXPECT_NE(mail.plain->find("Grüße aus Köln"), std::string::npos);
    EXPECT_NE(mail.html->bytes.find("cid:dot-2@quillora"), std::string::npos);
    ASSERT_EQ(mail.attachments.size(), 2u);
    EXPECT_EQ(mail.attachments[0].contentId, "masthead.jpg@quillora");
    EXPECT_EQ(mail.attachments[0].data, ReadFile(Fixture("masthead.jpg")));
    EXPECT_EQ(mail.attachments[1].contentId, "dot-2@quillora");
    EXPECT_EQ(mail.attachments[1].data, ReadFile(Fixture("dot.png")));
}

}  // namespace
}  // namespace quillora::msgconvert::test
