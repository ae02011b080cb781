// Paths rather than bytes: the input chooses what the name of the file an
// operation reads leads to (a regular file, an empty one, a folder, a named
// pipe, a link to nothing, a loop of links, a name past the limit, a file in
// a folder that may not be searched), how the path is written, and the
// operation (a chart drawn from it, the maintenance window's load, a list
// opened in the list editor, a page imported into a data file).  The rest of
// the input is the regular file's bytes.  Each operation must return, let no
// exception out, and leave the folder of the odd path exactly as it was and
// the program folder holding only what the operation documents.
#include <filesystem>
#include <map>
#include <set>

#include "chart/drawing/chart_setup.h"
#include "collect/daily_history.h"
#include "core/program_state.h"
#include "listedit/stock_table.h"
#include "listedit/text_list.h"
#include "maintenance/stock_file_view.h"
#include "platform/runtime/record_file.h"
#include "tests/chart/drawing/test_chart_host.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/support/path_shapes.h"

namespace {

using namespace ranvik;
using test::PathShape;

enum class Operation { Chart, Maintenance, ListEditor, PageImport };

// The names the program folder holds besides the odd folder.
std::set<std::string> TopNames() {
    std::set<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(fuzz::FileIn(""), ec), end; !ec && it != end; it.increment(ec))
        names.insert(it->path().filename().string());
    return names;
}

// The same path written otherwise: with "./" steps, doubled separators, or
// a trailing separator (which makes a file's name a folder's).
std::string Written(const std::string& path, std::uint8_t style) {
    std::string p = path;
    if (style & 1) {
        const std::size_t slash = p.find_last_of('/');
        p.insert(slash + 1, "./");
    }
    if (style & 2) {
        const std::size_t slash = p.find_last_of('/');
        p.insert(slash, "/");
    }
    if (style & 4) p += '/';
    return p;
}

void Run(Operation operation, const std::string& path, std::string_view bytes) {
    switch (operation) {
        case Operation::Chart: {
            test::TestChartHost window;
            window.fields.WindowNo = 1;
            window.fields.StockSource = 1;
            window.fields.DataFileName = path;
            ShowChart(window);
            break;
        }
        case Operation::Maintenance:
            try {
                ReadStockFile(path, bytes.size() % 2 == 0, false);
            } catch (const FileError&) {
                // Reported by the window.
            }
            break;
        case Operation::ListEditor:
            try {
                listedit::LoadStockTableCells(path);
            } catch (const FileError&) {
                // Reported by the window.
            }
            listedit::ReadTextList(path);
            break;
        case Operation::PageImport: {
            Program().download.PageFile1 = path;
            const std::string dataFile = fuzz::FileIn("7203d.KDT");
            ImportDailyHistory(dataFile, "7203", "2024/05/17 12:00:00", 0);
            fuzz::CheckDataFile(dataFile);
            break;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::BeginRun();
    std::string_view bytes = fuzz::InputOf(data, size);
    const std::uint8_t choice = fuzz::TakeOptions(bytes);
    const std::uint8_t style = fuzz::TakeOptions(bytes);
    const PathShape shape = test::kAllPathShapes[choice % std::size(test::kAllPathShapes)];
    const auto operation = static_cast<Operation>(choice / std::size(test::kAllPathShapes) % 4);
    // The readers' bytes have targets of their own; a few records will do.
    bytes = bytes.substr(0, 40 * QuoteRecord::kLength);

    static const char* const kNames[] = {"1301d.KDT", "1301d.KDT", "全銘柄リスト.eTBL", "株HTML.htm"};
    const std::string odd = fuzz::FileIn("odd/");
    std::filesystem::create_directory(odd);
    const std::string path =
        Written(test::MakePathShape(odd, kNames[static_cast<int>(operation)], shape, bytes), style);
    if (operation == Operation::PageImport) fuzz::WriteFile(fuzz::FileIn("7203d.KDT"), fuzz::SmallDataFile(20, false));
    const std::map<std::string, std::string> before = test::FolderContents(odd);
    const std::set<std::string> namesBefore = TopNames();

    Run(operation, path, bytes);

    std::map<std::string, std::string> after = test::FolderContents(odd);
    // The chart keeps the split-correction marks of a file it reads up to
    // date: of the regular file, and of the file in the locked folder for a
    // process that searches every folder.
    if (operation == Operation::Chart && (shape == PathShape::Regular || !test::ShapeHoldsHere(shape))) {
        const std::string name =
            shape == PathShape::Regular ? kNames[0] : std::string(test::kLockedFolder) + "/" + kNames[0];
        const auto kept = before.find(name);
        const auto now = after.find(name);
        if (kept != before.end() && now != after.end() && fuzz::SameButMultipliers(fuzz::ReadFile(odd + name), bytes))
            now->second = kept->second;
    }
    fuzz::Check(after == before, "an operation leaves the folder of the path it reads as it was");
    for (const std::string& name : TopNames()) {
        if (namesBefore.count(name) != 0) continue;
        // A chart may make its corrected copy; nothing else is made.
        fuzz::Check(operation == Operation::Chart && name.rfind("Hosei", 0) == 0,
                    "no operation leaves a file the program folder did not hold");
    }
    test::UnlockPathShapes(odd);
    return 0;
}
