#include "document/TemplateFile.h"
#include "document/TextFile.h"
#include "support/TestFolders.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <regex>

namespace quillora {
namespace {

using test::TestFolders;

struct RunResult {
    int status;
    std::string output;  // stdout and stderr
};

RunResult RunQuillora(const std::string& args) {
    const std::string cmd = std::string(QUILLORA_PROGRAM_DIR) + "/quillora " + args + " 2>&1";
    RunResult r{-1, {}};
    FILE* p = ::popen(cmd.c_str(), "r");
    if (!p) return r;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) r.output.append(buf, n);
    const int st = ::pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return r;
}

std::string Quote(const std::string& s) { return "'" + s + "'"; }

TEST(CommandLine, QrxExportOfShippedTemplatesResolvesOnlyTheSettingsPictures) {
    TestFolders world(false);
    const std::string prog = std::string(QUILLORA_PROGRAM_DIR) + "/";
    std::vector<std::string> templates = {prog + "Quillora_Vorlage.qrx", prog + "NEW2.QRX"};
    for (const auto& e : std::filesystem::directory_iterator(prog + "Vorlagen")) templates.push_back(e.path().string());
    ASSERT_GE(templates.size(), 6u);
    const std::regex setting("^(KopfLogo|SeperatorNews|SeperatorImpressum)=\\$STARTPATH\\$.*[\\\\/]([^\\\\/]*)$");
    for (const auto& t : templates) {
        SCOPED_TRACE(t);
        const std::string out = world.Root() + "out.qrx";
        const RunResult r = RunQuillora("--export qrx --out " + Quote(out) + " " + Quote(t));
        ASSERT_EQ(r.status, 0) << r.output;
        const auto in = SplitLines(ReadFileBytes(t));
        const auto written = SplitLines(ReadFileBytes(out));
        ASSERT_EQ(written.size(), in.size());
        for (std::size_t i = 0; i < in.size(); ++i) {
            std::smatch m;
            if (std::regex_match(in[i], m, setting))
                EXPECT_EQ(written[i], m[1].str() + "=" + prog + "Images/" + m[2].str());
            else
                EXPECT_EQ(written[i], in[i]);  // blocks keep "$STARTPATH$"
        }
        EXPECT_EQ(ReadFileBytes(out).find('\n'), ReadFileBytes(out).find("\r\n") + 1);
    }
}

TEST(CommandLine, ExportsOfTheDefaultTemplate) {
    TestFolders world(false);
    const std::string t = Quote(std::string(QUILLORA_PROGRAM_DIR) + "/Quillora_Vorlage.qrx");
    const std::string dir = world.Root() + "out/";
    std::filesystem::create_directories(dir);

    ASSERT_EQ(RunQuillora("--export html --date 11.12.2026 --out " + Quote(dir + "page.html") + " " + t).status, 0);
    const std::string page = ReadFileBytes(dir + "page.html");
    EXPECT_NE(page.find("11.12.2026"), std::string::npos);
    for (const char* picture : {"kopf_lindenhof.jpg", "NEW2.jpg", "NEW3.jpg", "artikel_wohnen.jpg"}) {
        EXPECT_NE(page.find(std::string("src=\"") + picture), std::string::npos) << picture;
        EXPECT_TRUE(FileExists(dir + picture)) << picture;
    }

    const std::string web = world.Root() + "web/";
    std::filesystem::create_directories(web);
    ASSERT_EQ(RunQuillora("--export html --external-base https://cdn.example/nl/ --out " + Quote(web + "p.html") + " " + t)
                  .status,
              0);
    EXPECT_NE(ReadFileBytes(web + "p.html").find("src=\"https://cdn.example/nl/kopf_lindenhof.jpg"), std::string::npos);

    for (int i = 0; i < 2; ++i)
        ASSERT_EQ(RunQuillora("--export rss --now \"2026-07-01 12:00:00\" --out " +
                              Quote(dir + "feed" + std::to_string(i) + ".xml") + " " + t)
                      .status,
                  0);
    EXPECT_EQ(ReadFileBytes(dir + "feed0.xml"), ReadFileBytes(dir + "feed1.xml"));

    ASSERT_EQ(RunQuillora("--export eml --out " + Quote(dir + "n.eml") + " " + t).status, 0);
    EXPECT_NE(ReadFileBytes(dir + "n.eml").find("multipart/related"), std::string::npos);
    ASSERT_EQ(RunQuillora("--export msg --out " + Quote(dir + "n.msg") + " " + t).status, 0);
    EXPECT_EQ(ReadFileBytes(dir + "n.msg").substr(0, 4), std::string("\xD0\xCF\x11\xE0"));

    ASSERT_EQ(RunQuillora("--export txt --out " + Quote(dir + "text.txt") + " " + t).status, 0);
    EXPECT_NE(ReadFileBytes(dir + "text.txt").find("Neue Wohnkollektion Winterlicht"), std::string::npos);
}

TEST(CommandLine, ErrorsGoToStderrWithNonZeroStatus) {
    TestFolders world(false);
    const std::string good = std::string(QUILLORA_PROGRAM_DIR) + "/NEW2.QRX";
    struct Case {
        std::string args;
        std::string says;
    };
    const Case cases[] = {
        {"--export qrx --out " + Quote(world.Root() + "x.qrx") + " " + Quote(world.Root() + "missing.qrx"), "missing.qrx"},
        {"--export pdf --out x " + Quote(good), "pdf"},
        {"--export qrx " + Quote(good), "--out"},
        {"--export qrx --out " + Quote(world.Root() + "no/such/folder/x.qrx") + " " + Quote(good), "x.qrx"},
        {"--export qrx --out " + Quote(good) + " " + Quote(good), "template"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const RunResult r = RunQuillora(c.args + " --lang en");
        EXPECT_NE(r.status, 0);
        EXPECT_NE(r.output.find(c.says), std::string::npos) << r.output;
    }
    EXPECT_FALSE(std::filesystem::exists(world.Root() + "x.qrx"));
}

}  // namespace
}  // namespace quillora
