// The data maintenance loader on a stock data file of any bytes and any
// length, newest or oldest first, with and without the administrator's
// columns.  Loading only reads the file.
#include "maintenance/stock_file_view.h"
#include "platform/runtime/record_file.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ranvik;
    fuzz::BeginRun();
    const std::string_view bytes = fuzz::InputOf(data, size);
    const std::string path = fuzz::FileIn("1301d.KDT");
    fuzz::WriteFile(path, bytes);
    try {
        const StockFileView view = ReadStockFile(path, size % 2 == 0, size % 4 < 2);
        if (view.status == LoadStatus::Loaded) {
            fuzz::Check(view.rows.size() <= bytes.size() / QuoteRecord::kLength + 2,
                        "the grid shows no row the file does not hold");
        }
    } catch (const FileError&) {
        // Reported to the user by the window; the file stays as it was.
    }
    fuzz::Check(fuzz::ReadFile(path) == bytes, "loading leaves the data file as it was");
    return 0;
}
