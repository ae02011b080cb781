#include "tests/fuzz/fuzz_support.h"

#include <QApplication>
#include <QFontMetrics>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <unistd.h>

#include "core/program_state.h"
#include "platform/runtime/dates.h"
#include "platform/runtime/message_service.h"

namespace ranvik::fuzz {
namespace {

namespace fs = std::filesystem;

const std::string& ScratchFolder() {
    static const std::string folder = [] {
        const fs::path path = fs::temp_directory_path() / ("ranvik-fuzz-" + std::to_string(::getpid()));
        fs::create_directories(path);
        return path.string() + "/";
    }();
    return folder;
}

// The scratch folder goes with the process, however the run ends normally.
// It keeps its own copy of the name: statics end in any order.
struct ScratchRemover {
    std::string folder = ScratchFolder();
    ~ScratchRemover() {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
};

void StartOnce() {
    static bool started = false;
    if (started) return;
    started = true;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("QT_FONT_DPI", "96", 1);
    static int argc = 1;
    static char name[] = "ranvik-fuzz";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
    static ScratchRemover remover;
    InstallMessageService(std::make_unique<RecordingMessageService>());
    SetClock([] { return DateTime{Date{2024, 5, 17}, 12, 0, 0}; });
    // The font database is loaded once and kept for the life of the process;
    // loading it before the first input keeps it out of the fuzzer's leak
    // check of that input.
    QFontMetrics(QApplication::font()).horizontalAdvance(QStringLiteral("0123456789 日付"));
}

}  // namespace

void BeginRun() {
    StartOnce();
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(ScratchFolder(), ignored)) fs::remove_all(entry.path(), ignored);
    ResetProgramState();
    Program().app.AppDir = ScratchFolder();
    static_cast<RecordingMessageService&>(Messages()).shown.clear();
}

void EndRuns() {
    // The application goes before the process ends, as in the programs: the
    // font caches it holds are released with it.
    delete QApplication::instance();
}

std::string FileIn(std::string_view name) { return ScratchFolder() + std::string(name); }

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    Check(static_cast<bool>(out), "the scratch folder takes the input");
}

void Check(bool holds, const char* promise) {
    if (holds) return;
    std::fprintf(stderr, "broken promise: %s\n", promise);
    std::abort();
}

std::vector<std::string> SplitPages(std::string_view bytes, std::size_t count) {
    constexpr std::string_view kMarker = "<!--next page-->";
    std::vector<std::string> pages;
    while (pages.size() + 1 < count) {
        const std::size_t at = bytes.find(kMarker);
        if (at == std::string_view::npos) break;
        pages.emplace_back(bytes.substr(0, at));
        bytes.remove_prefix(at + kMarker.size());
    }
    pages.emplace_back(bytes);
    pages.resize(count);
    return pages;
}

std::string SmallDataFile(int bars, bool weekly) {
    QuoteRecord header;
    header.RecordNo = static_cast<std::int16_t>(bars + 1);
    header.Low = 200000000.0f;
    std::string body;
    for (int k = 0; k < bars; ++k) {
        const Date day = AddDays(Date{2024, 4, 1}, weekly ? 7 * k + 4 : k);
        char text[16];
        std::snprintf(text, sizeof text, "%02d/%02d/%02d", day.month, day.day, day.year % 100);
        QuoteRecord bar;
        bar.QuoteDate = text;
        bar.Open = 1000.0f + static_cast<float>(k);
        bar.High = bar.Open + 20;
        bar.Low = bar.Open - 20;
        bar.Close = bar.Open + 5;
        bar.Volume = 5000.0f + static_cast<float>(k);
        bar.SellBalance = 300;
        bar.BuyBalance = 900;
        header.High = std::max(header.High, bar.High);
        header.Low = std::min(header.Low, bar.Low);
        header.Volume = std::max(header.Volume, bar.Volume);
        header.SellBalance = std::max(header.SellBalance, bar.SellBalance);
        header.BuyBalance = std::max(header.BuyBalance, bar.BuyBalance);
        body += bar.Encode();
    }
    return header.Encode() + body;
}

std::uint8_t TakeOptions(std::string_view& bytes) {
    if (bytes.empty()) return 0;
    const auto options = static_cast<std::uint8_t>(bytes.front());
    bytes.remove_prefix(1);
    return options;
}

namespace {

std::string PageName(std::size_t k) {
    return FileIn(k == 0 ? "株HTML.htm" : "株HTML" + std::to_string(k + 1) + ".htm");
}

}  // namespace

void SavePages(const std::vector<std::string>& pages) {
    DownloadState& d = Program().download;
    std::string* names[] = {&d.PageFile1, &d.PageFile2, &d.PageFile3, &d.PageFile4,
                            &d.PageFile5, &d.PageFile6, &d.PageFile7, &d.PageFile8};
    for (std::string* name : names) name->clear();
    for (std::size_t k = 0; k < pages.size() && k < 8; ++k) {
        if (k > 0 && pages[k].empty()) continue;
        *names[k] = PageName(k);
        WriteFile(*names[k], pages[k]);
    }
}

void CheckPagesKept(const std::vector<std::string>& pages) {
    for (std::size_t k = 0; k < pages.size() && k < 8; ++k) {
        if (k > 0 && pages[k].empty()) continue;
        Check(ReadFile(PageName(k)) == pages[k], "a page keeps its bytes");
    }
}

bool SameButMultipliers(std::string_view after, std::string_view before) {
    if (after.size() != before.size()) return false;
    for (std::size_t i = 0; i < after.size(); ++i) {
        const std::size_t inRecord = i % QuoteRecord::kLength;
        if (inRecord != 2 && inRecord != 3 && after[i] != before[i]) return false;
    }
    return true;
}

std::string DataFileOf(std::string_view& bytes, int bars, bool weekly) {
    constexpr std::string_view kMarker = "<!--data file-->";
    const std::size_t at = bytes.find(kMarker);
    if (at == std::string_view::npos) return SmallDataFile(bars, weekly);
    const std::string file(bytes.substr(at + kMarker.size()));
    bytes = bytes.substr(0, at);
    return file;
}

namespace {

// The dates of the bars a data file's header counts (whole records only),
// by date, with the record's bytes.
std::multimap<std::string, std::string> CountedBars(std::string_view bytes) {
    std::multimap<std::string, std::string> bars;
    if (bytes.size() < QuoteRecord::kLength) return bars;
    const auto held = static_cast<std::int64_t>(bytes.size() / QuoteRecord::kLength);
    const QuoteRecord header = QuoteRecord::Decode(bytes.substr(0, QuoteRecord::kLength));
    const std::int64_t last = std::min<std::int64_t>(header.RecordNo, held);
    for (std::int64_t r = 2; r <= last; ++r) {
        const std::string_view record =
            bytes.substr(static_cast<std::size_t>(r - 1) * QuoteRecord::kLength, QuoteRecord::kLength);
        bars.emplace(std::string(record.substr(28, 8)), std::string(record));
    }
    return bars;
}

}  // namespace

void CheckMerge(std::string_view before, const std::string& path) {
    const std::string bytes = ReadFile(path);
    const std::multimap<std::string, std::string> after = CountedBars(bytes);
    const std::multimap<std::string, std::string> held = CountedBars(before);
    bool dated = true;
    for (const auto& [date, record] : held) {
        if (!IsRecordDate(date)) {
            dated = false;
            continue;
        }
        Check(after.contains(date), "a bar held before a merge is still there, or one of the same date");
    }
    if (dated) {
        for (const auto& [date, record] : after) Check(IsRecordDate(date), "a merge makes no bar without a date");
    }
    const auto counts = [](std::string_view file) {
        return file.size() < QuoteRecord::kLength
                   ? std::int64_t{0}
                   : std::int64_t{QuoteRecord::Decode(file.substr(0, QuoteRecord::kLength)).RecordNo};
    };
    const auto whole = [](std::string_view file) { return static_cast<std::int64_t>(file.size() / QuoteRecord::kLength); };
    if (counts(before) <= whole(before)) {
        Check(counts(bytes) <= whole(bytes), "a data file's header counts no record it does not hold");
    }
}

FolderFiles FolderSnapshot() {
    FolderFiles files;
    std::error_code ignored;
    for (const auto& entry : fs::recursive_directory_iterator(ScratchFolder(), ignored)) {
        if (!entry.is_regular_file()) continue;
        files[fs::relative(entry.path(), ScratchFolder()).string()] = ReadFile(entry.path().string());
    }
    return files;
}

void CheckFolderKept(const FolderFiles& before, const std::vector<std::string>& mayChange) {
    const auto allowed = [&mayChange](const std::string& name) {
        return std::find(mayChange.begin(), mayChange.end(), name) != mayChange.end();
    };
    const FolderFiles after = FolderSnapshot();
    for (const auto& [name, bytes] : before) {
        if (allowed(name)) continue;
        const auto found = after.find(name);
        Check(found != after.end(), "the program folder keeps its files");
        Check(found->second == bytes, "the program folder's files keep their bytes");
    }
    for (const auto& [name, bytes] : after) {
        if (!allowed(name)) Check(before.count(name) > 0, "the program folder gets no file the operation does not make");
    }
}

bool IsRecordDate(std::string_view field) {
    if (field.size() != 8 || field[2] != '/' || field[5] != '/') return false;
    int parts[3] = {};
    for (int p = 0; p < 3; ++p) {
        const char high = field[static_cast<std::size_t>(3 * p)];
        const char low = field[static_cast<std::size_t>(3 * p + 1)];
        if (high < '0' || high > '9' || low < '0' || low > '9') return false;
        parts[p] = (high - '0') * 10 + (low - '0');
    }
    const int year = parts[2] < 60 ? 2000 + parts[2] : 1900 + parts[2];
    return IsValidDate(Date{year, parts[0], parts[1]});
}

void CheckDataFile(const std::string& path, bool datesToo) {
    const std::string bytes = ReadFile(path);
    if (bytes.size() < QuoteRecord::kLength) return;
    const std::int64_t held = static_cast<std::int64_t>(bytes.size() / QuoteRecord::kLength);
    const QuoteRecord header = QuoteRecord::Decode(std::string_view(bytes).substr(0, QuoteRecord::kLength));
    Check(header.RecordNo <= held, "a data file's header counts no record it does not hold");
    for (std::int64_t r = 2; datesToo && r <= header.RecordNo; ++r) {
        const std::string_view record =
            std::string_view(bytes).substr(static_cast<std::size_t>(r - 1) * QuoteRecord::kLength, QuoteRecord::kLength);
        Check(IsRecordDate(record.substr(28, 8)), "every bar of a data file carries an mm/dd/yy calendar day");
    }
}

}  // namespace ranvik::fuzz

// Called by libFuzzer before the first input.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    ranvik::fuzz::BeginRun();
    return 0;
}
