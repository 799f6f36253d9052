// The page is rebuilt for every preview refresh, and every refresh commits first; both
// must stay quick for the largest newsletters (999 blocks).
#include "document/BlockStore.h"
#include "document/NewsletterDocument.h"
#include "document/TemplateFile.h"
#include "render/PageGenerator.h"
#include "support/TestFolders.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

namespace quillora {
namespace {

// The shipped sample newsletter with its blocks repeated up to `count`.
struct Newsletter {
    explicit Newsletter(int count) : store(world.Folders().temp) {
        const AppFolders& f = world.Folders();
        const std::string sample = f.prog + "Quillora_Vorlage.qrx";
        LoadSettings(sample, doc, f.prog, f.images);
        LoadBlocks(sample, store);
        std::vector<std::vector<std::string>> blocks;
        for (int n = 1; n <= static_cast<int>(store.ListBlockFiles().size()); ++n) blocks.push_back(store.ReadLines(n));
        store.DeleteBlockFiles();
        for (int n = 1; n <= count; ++n) {
            const auto& lines = blocks[(n - 1) % blocks.size()];
            store.WriteLines(n, lines);
            doc.blockList.push_back(BlockListText(n, lines.front()));
        }
        std::filesystem::create_directories(world.Root() + "out");
        doc.currentFile = world.Root() + "out/newsletter.qrx";
        SaveTemplate(doc.currentFile, doc.settings, store);
    }

    test::TestFolders world;
    BlockStore store;
    NewsletterDocument doc;
};

void BM_MakeHTML(benchmark::State& state) {
    Newsletter n(static_cast<int>(state.range(0)));
    const std::string out = n.world.Root() + "out/preview1.html";
    for (auto _ : state) MakeHTML(out, n.doc, n.store, n.world.Folders().prog, "11.12.2026");
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_MakeHTML)->Arg(10)->Arg(100)->Arg(999)->Unit(benchmark::kMillisecond);

// The page text alone, without the file system: what the layout itself costs.
void BM_PageText(benchmark::State& state) {
    Newsletter n(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(PageText(n.doc, n.store, n.world.Folders().prog, "11.12.2026"));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_PageText)->Arg(999)->Unit(benchmark::kMillisecond);

// What every preview, export and send does before the page: store the block in the
// editor, save the working copy, read it back.
void BM_Commit(benchmark::State& state) {
    Newsletter n(static_cast<int>(state.range(0)));
    const AppFolders& f = n.world.Folders();
    const int selected = static_cast<int>(state.range(0)) / 2;
    const auto edited = n.store.ReadLines(selected);
    for (auto _ : state) {
        n.store.WriteLines(selected, edited);
        SaveTemplate(n.doc.currentFile, n.doc.settings, n.store);
        LoadSettings(n.doc.currentFile, n.doc, f.prog, f.images);
        n.doc.blockList = LoadBlocks(n.doc.currentFile, n.store);
    }
}
BENCHMARK(BM_Commit)->Arg(999)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillora
