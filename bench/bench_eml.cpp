// A newsletter with many large pictures is mailed as one EML (and every save writes
// one for the bulk-mail program), so composing it must stay well below a second.
//
// bench_eml.py runs BM_ComposeEml on its own picture folder (QUILLORA_BENCH_EML_DIR
// holding page.html, plain.txt and the pictures) against Python's e-mail package.
// Without that folder the program makes its own: 20 pictures of 500 KB.
#include "delivery/EmlBuilder.h"
#include "document/BlockStore.h"
#include "document/NewsletterDocument.h"
#include "document/TemplateFile.h"
#include "document/TextFile.h"
#include "render/Cp1252.h"
#include "support/TestFolders.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace quillora {
namespace {

constexpr int kPictures = 20;
constexpr std::size_t kPictureBytes = 500 * 1024;

std::string PictureName(int n) { return "pic" + std::string(n < 10 ? "0" : "") + std::to_string(n) + ".jpg"; }

// JPEG markers around noise: base64 of it is as long as of a real photo.
std::string NoisePicture(std::mt19937& gen) {
    std::string bytes(kPictureBytes, '\0');
    for (char& b : bytes) b = static_cast<char>(gen() & 0xFF);
    bytes.replace(0, 4, "\xFF\xD8\xFF\xE0");
    bytes.replace(bytes.size() - 2, 2, "\xFF\xD9");
    return bytes;
}

struct PictureFolder {
    PictureFolder() {
        if (const char* given = std::getenv("QUILLORA_BENCH_EML_DIR"); given && *given) {
            folder = WithSlash(given);
        } else {
            world = std::make_unique<test::TestFolders>(false);
            folder = world->Root() + "pics/";
            std::filesystem::create_directories(folder);
            std::mt19937 gen(2026);
            std::string page = "<html><body>\r\n";
            for (int n = 1; n <= kPictures; ++n) {
                WriteFileWhole(folder + PictureName(n), NoisePicture(gen));
                page += "<p>Meldung " + std::to_string(n) + ": Gr\xFC\xDF" "e aus K\xF6ln</p><img src=\"" +
                        PictureName(n) + "\">\r\n";
            }
            WriteFileWhole(folder + "page.html", page + "</body></html>\r\n");
            WriteFileWhole(folder + "plain.txt", "Gr\xFC\xDF" "e aus K\xF6ln\r\n");
        }
        content.subject = "Newsletter: Gr\xFC\xDF" "e aus K\xF6ln";
        content.html = ReadFileBytes(folder + "page.html");
        content.plainText = ReadFileBytes(folder + "plain.txt");
        content.pictureFolder = folder;
    }

    std::unique_ptr<test::TestFolders> world;
    std::string folder;
    EmlContent content;
};

void BM_ComposeEml(benchmark::State& state) {
    PictureFolder pics;
    std::size_t size = 0;
    for (auto _ : state) {
        const std::string eml = ComposeEml(pics.content);
        size = eml.size();
        benchmark::DoNotOptimize(eml.data());
    }
    state.counters["eml_bytes"] = static_cast<double>(size);
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(size));
}
BENCHMARK(BM_ComposeEml)->Unit(benchmark::kMillisecond);

// The whole command on a document of 20 blocks with those pictures: page, picture
// copies, text version, message, and the atomic write of the file.
void BM_BuildEmlFile(benchmark::State& state) {
    PictureFolder pics;
    test::TestFolders world;
    const AppFolders& f = world.Folders();
    BlockStore store(f.temp);
    NewsletterDocument doc;
    const std::string sample = f.prog + "Quillora_Vorlage.qrx";
    LoadSettings(sample, doc, f.prog, f.images);
    store.DeleteBlockFiles();
    for (int n = 1; n <= kPictures; ++n) {
        const std::vector<std::string> lines = {"Meldung " + std::to_string(n), DocumentPath(pics.folder + PictureName(n)),
                                                "mehr", "https://example.org/" + std::to_string(n),
                                                n % 2 ? "left" : "right", "Text der Meldung mit <b>Umlauten</b>: \xE4\xF6\xFC"};
        store.WriteLines(n, lines);
        doc.blockList.push_back(BlockListText(n, lines.front()));
    }
    const std::string target = world.Root() + "news.eml";
    for (auto _ : state) BuildEmlFile(target, doc, store, f, "11.12.2026");
    state.counters["eml_bytes"] = static_cast<double>(std::filesystem::file_size(target));
}
BENCHMARK(BM_BuildEmlFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillora
