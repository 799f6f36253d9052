#include "delivery/MsgBuilder.h"
#include "render/Cp1252.h"

#include "delivery/ProgramRunner.h"
#include "document/DocumentSession.h"
#include "document/TextFile.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFolders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace quillora {
namespace {

using test::ScriptedDialogs;
using test::TestFolders;

const std::string kOle2Signature("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);

bool IsOle2File(const std::string& path) {
    return FileExists(path) && ReadFileBytes(path).substr(0, 8) == kOle2Signature;
}

// A stand-in converter: a shell script under the converter's name.
void InstallScript(const std::string& folder, const std::string& name, const std::string& body) {
    const std::string path = folder + name;
    WriteFileWhole(path, "#!/bin/sh\n" + body);
    fs::permissions(path, fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read);
}

// The default newsletter in a world whose program folder may hold the real converter.
class MsgBuilderTest : public ::testing::Test {
protected:
    void SetUp() override {
        session.loading = true;
        session.Doc().currentFile = prog() + "Quillora_Vorlage.qrx";
        session.LoadSettings();
        session.LoadBlocks();
        fs::create_directories(out);
    }

    void InstallConverter() {
        const std::string built = std::string(QUILLORA_PROGRAM_DIR) + "/quillora-msgconvert";
        ASSERT_TRUE(FileExists(built)) << "the converter is built with the program: " << built;
        fs::copy_file(built, prog() + "quillora-msgconvert");
    }

    void Build(const std::string& target) {
        BuildMsgFile(target, session.Doc(), session.Store(), world.Folders(), "11.12.2026", dialogs);
    }

    std::string prog() const { return world.Folders().prog; }
    std::string temp() const { return world.Folders().temp; }

    TestFolders world;
    ScriptedDialogs dialogs;
    DocumentSession session{world.Folders(), dialogs};
    const std::string out = world.Root() + "out/";
};

TEST_F(MsgBuilderTest, ConverterWritesTheMessageToTheTarget) {
    InstallConverter();
    ASSERT_TRUE(OutlookAvailable(prog()));
    world.Write("out/news.msg", "OLD");
    Build(out + "news.msg");
    EXPECT_TRUE(IsOle2File(out + "news.msg"));
    EXPECT_TRUE(FileExists(temp() + "temp.eml"));
    EXPECT_FALSE(FileExists(temp() + "temp.msg")) << "the work file goes after the copy";
    EXPECT_EQ(dialogs.Count("shell"), 0);
}

// The independent reader rebuilds the newsletter from our MSG: same subject, the page
// with its cid: references, every picture.
TEST_F(MsgBuilderTest, IndependentReaderGetsTheNewsletterBack) {
    const char* reader = "/usr/bin/msgconvert";
    if (!fs::exists(reader)) GTEST_SKIP() << "no independent MSG reader installed";
    InstallConverter();
    Build(out + "news.msg");
    const std::string back = out + "back.eml";
    const std::string command = std::string(reader) + " --outfile '" + back + "' '" + out + "news.msg' 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    // Prints the subject, how many cid: references have no picture part, and the parts.
    const std::string check = "/usr/bin/python3 -c \"import email,re,sys\n"
                              "from email import policy\n"
                              "m=email.message_from_binary_file(open(sys.argv[1],'rb'),policy=policy.default)\n"
                              "html=m.get_body(('html',)).get_content()\n"
                              "imgs=[p for p in m.walk() if p.get_content_maintype()=='image']\n"
                              "ids={str(p['content-id']).strip('<>') for p in imgs}\n"
                              "refs=set(re.findall(r'cid:([^\\x22\\x27> ]+)',html))\n"
                              "print(m['subject']); print(len(refs-ids)); print(len(imgs))\" '" + back + "'";
    FILE* p = ::popen(check.c_str(), "r");
    ASSERT_NE(p, nullptr);
    std::string outText;
    char buf[1024];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) outText.append(buf, n);
    ASSERT_EQ(::pclose(p), 0) << outText;
    EXPECT_EQ(outText, Cp1252ToUtf8(session.Doc().settings.Berteff) + "\n" + "0\n9\n");
}

TEST_F(MsgBuilderTest, WithoutTargetTheMessageIsOpened) {
    InstallConverter();
    Build("");
    EXPECT_TRUE(IsOle2File(temp() + "temp.msg"));
    ASSERT_EQ(dialogs.Count("shell"), 1);
    EXPECT_EQ(dialogs.shown.back().text, temp() + "temp.msg");
}

TEST_F(MsgBuilderTest, ConverterFailuresAreReportedAndTheTargetStays) {
    struct Case {
        const char* name;
        std::string script;  // empty: no converter at all
        std::string reason;  // must appear in the message
        bool staleWorkFile = false;  // a "temp.msg" of an earlier run lies in the temp folder
    };
    const std::vector<Case> cases = {
        {"missing", "", "quillora-msgconvert"},
        {"refuses", "echo 'quillora-msgconvert: refused: wrong token' >&2\nexit 2\n", "refused: wrong token"},
        {"fails", "echo 'cannot convert: no body' >&2\nexit 1\n", "cannot convert: no body"},
        {"writes nothing", "exit 0\n", "temp.msg"},
        {"crashes", "kill -SEGV $$\n", "quillora-msgconvert"},
        {"writes nothing over an old work file", "exit 0\n", "temp.msg", true},
    };
    world.Write("out/news.msg", "GOOD OLD MESSAGE");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(prog() + "quillora-msgconvert");
        if (!c.script.empty()) InstallScript(prog(), "quillora-msgconvert", c.script);
        EXPECT_EQ(OutlookAvailable(prog()), !c.script.empty());
        if (c.staleWorkFile) WriteFileWhole(temp() + "temp.msg", kOle2Signature + "old");
        try {
            Build(out + "news.msg");
            ADD_FAILURE() << "no error reported";
        } catch (const FileError& e) {
            EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << e.what();
        }
        EXPECT_EQ(ReadFileBytes(out + "news.msg"), "GOOD OLD MESSAGE");
    }
    EXPECT_EQ(dialogs.Count("shell"), 0);
}

TEST(MsgConverterPresence, OnlyAnExecutableProgramCounts) {
    TestFolders world(false);
    const std::string prog = world.Folders().prog;
    EXPECT_FALSE(OutlookAvailable(prog));
    world.Write("prog/quillora-msgconvert", "not a program");
    EXPECT_FALSE(OutlookAvailable(prog)) << "no execute permission";
    fs::permissions(prog + "quillora-msgconvert", fs::perms::owner_exec, fs::perm_options::add);
    EXPECT_TRUE(OutlookAvailable(prog));
    EXPECT_TRUE(Outlook64Bit(prog));
    fs::remove(prog + "quillora-msgconvert");
    fs::create_directories(prog + "quillora-msgconvert");
    EXPECT_FALSE(OutlookAvailable(prog)) << "a folder of that name";
}

TEST(RunAndWait, PassesArgumentsVerbatimInTheGivenFolder) {
    TestFolders world(false);
    const std::string folder = world.Root() + "prog/";
    InstallScript(folder, "echo-args", "pwd > args.txt\nfor a in \"$@\"; do printf '[%s]\\n' \"$a\" >> args.txt; done\n");
    const ProgramRun run =
        RunAndWait(folder, "echo-args", {"kqw72mzr19xpt40hbv3c", "/tmp/a b/\"q\".eml", "$HOME;`x`", ""});
    ASSERT_TRUE(run.started) << run.errorText;
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(ReadFileBytes(folder + "args.txt"),
              fs::canonical(folder).string() + "\n[kqw72mzr19xpt40hbv3c]\n[/tmp/a b/\"q\".eml]\n[$HOME;`x`]\n[]\n");
}

TEST(RunAndWait, ReportsStartFailuresExitCodesAndErrorOutput) {
    TestFolders world(false);
    const std::string folder = world.Root() + "prog/";
    const ProgramRun missing = RunAndWait(folder, "no-such-program", {});
    EXPECT_FALSE(missing.started);
    EXPECT_FALSE(missing.errorText.empty());

    InstallScript(folder, "fails", "sleep 0.3\necho 'first line' >&2\necho 'second line' >&2\nexit 3\n");
    const ProgramRun failed = RunAndWait(folder, "fails", {});
    EXPECT_TRUE(failed.started);
    EXPECT_FALSE(failed.crashed);
    EXPECT_EQ(failed.exitCode, 3);
    EXPECT_EQ(failed.errorText, "first line\nsecond line");
}

TEST(PlanEmailExport, ExtensionsDecideWhatIsWritten) {
    struct Case {
        std::string chosen;
        bool outlook;
        int filter;
        std::string target;
        bool msg;
        bool eml;
    };
    const std::vector<Case> cases = {
        // neither extension: the chosen filter's extension is appended and written
        {"/d/x.txt", true, 1, "/d/x.txt.msg", true, false},
        {"/d/x.MSG", true, 2, "/d/x.MSG.eml", false, true},
        {"/d/news.msg", true, 2, "/d/news.msg", true, false},
        {"/d/news.eml", true, 1, "/d/news.eml", false, true},
        {"/d/news.msg.eml", true, 1, "/d/news.msg.eml", true, true},
        {"/d.msg/news", true, 2, "/d.msg/news", true, false},
        {"/d/news", false, 1, "/d/news.eml", false, true},
        {"/d/news.eml.bak", false, 1, "/d/news.eml.bak", false, true},
        {"/d/news.EML", false, 1, "/d/news.EML.eml", false, true},
        {"/d/news.msg", false, 1, "/d/news.msg.eml", false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen + (c.outlook ? " with converter" : " without converter"));
        const EmailExportPlan plan = PlanEmailExport(c.chosen, c.outlook, c.filter);
        EXPECT_EQ(plan.target, c.target);
        EXPECT_EQ(plan.msg, c.msg);
        EXPECT_EQ(plan.eml, c.eml);
    }
}

}  // namespace
}  // namespace quillora
