// A reader that keeps the records it reads (for a drawer that walks them more
// than once) hands out what the file holds, however the reads come: the walk
// that keeps them, walks again over them, and reads out of their order,
// which it does not keep.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "chart/kinds/kind_bars.h"
#include "tests/chart/kinds/kinds_fixture.h"

namespace ranvik::test {
namespace {

using KindReaderTest = KindsTest;

struct Read {
    std::int64_t record;
    bool walk;
};

std::vector<KindBar> ReadAll(ChartHost& w, const std::string& path, const std::vector<Read>& reads, bool keep,
                             std::string& bufferAfter) {
    ChartFile file1;
    file1.Open(path);
    std::vector<KindBar> bars;
    {
        KindReader reader(w, file1);
        if (keep) reader.KeepRecords();
        for (const Read& r : reads) bars.push_back(reader.Read(r.record, r.walk));
    }
    bufferAfter = Program().store.QuoteBufA.Encode();
    return bars;
}

TEST_F(KindReaderTest, KeptRecordsReadAsTheFileHoldsThem) {
    DataFileBuilder b(40, Spacing::Days, {2021, 3, 1});
    for (int r = 2; r <= b.LastRecord(); ++r) b[r].Close = b[r].Open + static_cast<float>((r * 7) % 11) - 5;
    b.Write(dir.File("1301d.KDT"));
    w.fields.RecordCount = b.LastRecord();

    std::vector<Read> reads;
    reads.push_back({5, false});                             // the first record of a pass
    for (int r = 5; r <= 20; ++r) reads.push_back({r, true});  // the walk that keeps them
    for (int r = 5; r <= 20; ++r) reads.push_back({r, true});  // a second pass over them
    reads.push_back({3, false});                             // before the kept ones: read from the file
    reads.push_back({30, true});                             // past a gap: read, not kept
    for (int r = 21; r <= 24; ++r) reads.push_back({r, true});  // the kept run goes on
    reads.push_back({22, true});
    reads.push_back({43, true});  // past the file's end: zero bytes
    reads.push_back({12, true});

    std::string plainBuffer, keptBuffer;
    const std::vector<KindBar> plain = ReadAll(w, dir.File("1301d.KDT"), reads, false, plainBuffer);
    const std::vector<KindBar> kept = ReadAll(w, dir.File("1301d.KDT"), reads, true, keptBuffer);
    ASSERT_EQ(plain.size(), kept.size());
    for (std::size_t i = 0; i < plain.size(); ++i) {
        const std::string where = "read " + std::to_string(i) + " of record " + std::to_string(reads[i].record);
        EXPECT_EQ(kept[i].date, plain[i].date) << where;
        EXPECT_EQ(kept[i].v.RecordNo, plain[i].v.RecordNo) << where;
        EXPECT_EQ(kept[i].v.Open, plain[i].v.Open) << where;
        EXPECT_EQ(kept[i].v.Close, plain[i].v.Close) << where;
        EXPECT_EQ(kept[i].v.High, plain[i].v.High) << where;
        EXPECT_EQ(kept[i].v.Low, plain[i].v.Low) << where;
        EXPECT_EQ(kept[i].v.Volume, plain[i].v.Volume) << where;
        EXPECT_EQ(kept[i].v.BuyBalance, plain[i].v.BuyBalance) << where;
        EXPECT_EQ(kept[i].v.SellBalance, plain[i].v.SellBalance) << where;
    }
    // The reads themselves are the file's: a kept record is the record.
    EXPECT_EQ(kept[1].date, b[5].QuoteDate);
    EXPECT_EQ(kept[17 + 3].v.Close, b[8].Close);
    EXPECT_EQ(kept[reads.size() - 2].date, std::string(8, '\0'));
    EXPECT_EQ(keptBuffer, plainBuffer) << "the last record read is left in QuoteBufA";
}

}  // namespace
}  // namespace ranvik::test
