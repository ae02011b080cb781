// The stock list tables built into the program folder for delivery.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "platform/lists/list_table.h"
#include "platform/runtime/ansi_text.h"

namespace ranvik {
namespace {

std::string Delivered(std::string_view name) { return std::string(RANVIK_PROGRAM_DIR) + "/" + std::string(name); }

struct Segment {
    std::string_view file;
    std::string market;
    std::uint8_t section;
};

const Segment kSegments[] = {
    {kPrimeTable, "t", 1},
    {kStandardTable, "t", 2},
    {kGrowthTable, "t", 3},
    {kNagoyaTable, "n", 1},
};

TEST(DeliveredTables, EveryTableCarriesTheProgramVersionAndAUsableHeader) {
    for (auto name : {kAllStocksTable, kPrimeTable, kStandardTable, kGrowthTable, kNagoyaTable}) {
        const ListTableContents t = ReadListTable(Delivered(name));
        EXPECT_EQ(Trim(t.header.StockName), "4.4.24") << name;
        EXPECT_LT(t.header.Section, kRefusedTableCheck) << name;
        // Nothing lies behind the table's last record.
        ListTable file(Delivered(name));
        EXPECT_EQ(file.RecordsInFile(), t.header.RecordNo) << name;
        for (std::size_t i = 0; i < t.entries.size(); ++i) EXPECT_EQ(t.entries[i].RecordNo, i + 2) << name;
    }
}

TEST(DeliveredTables, TheAllStocksTableHoldsOnlyStocksInAscendingCodeOrder) {
    const ListTableContents all = ReadListTable(Delivered(kAllStocksTable));
    ASSERT_FALSE(all.entries.empty());
    for (std::size_t i = 0; i < all.entries.size(); ++i) {
        EXPECT_FALSE(all.entries[i].IsHeading());
        if (i > 0) {
            EXPECT_LT(all.entries[i - 1].Code, all.entries[i].Code);
        }
    }
}

TEST(DeliveredTables, SegmentTablesAreGroupedByIndustryAndEveryStockIsInTheAllStocksTable) {
    std::map<std::string, ListEntry> all;
    for (const auto& e : ReadListTable(Delivered(kAllStocksTable)).entries) all.emplace(e.Code, e);

    for (const auto& seg : kSegments) {
        const ListTableContents t = ReadListTable(Delivered(seg.file));
        ASSERT_FALSE(t.entries.empty()) << seg.file;
        EXPECT_TRUE(t.entries.front().IsHeading()) << seg.file << " starts with an industry heading";
        int stocks = 0;
        std::set<std::string> codes;
        for (const auto& e : t.entries) {
            if (e.IsHeading()) {
                EXPECT_FALSE(Trim(e.StockName).empty()) << seg.file;
                EXPECT_EQ(e.Market, " ");
                EXPECT_EQ(e.Section, 0);
                continue;
            }
            ++stocks;
            EXPECT_TRUE(codes.insert(e.Code).second) << seg.file << " lists " << e.Code << " twice";
            EXPECT_EQ(e.Market, seg.market) << seg.file << " " << e.Code;
            EXPECT_EQ(e.Section, seg.section) << seg.file << " " << e.Code;
            EXPECT_EQ(e.TradingUnit, 100) << seg.file << " " << e.Code;
            const auto found = all.find(e.Code);
            ASSERT_NE(found, all.end()) << e.Code << " of " << seg.file << " is missing from the all-stocks table";
            EXPECT_EQ(found->second.StockName, e.StockName) << e.Code;
            EXPECT_EQ(found->second.TradingUnit, e.TradingUnit) << e.Code;
        }
        EXPECT_GE(stocks, 40) << seg.file;
    }
}

TEST(DeliveredTables, TokyoStocksKeepTheirTokyoSectionInTheAllStocksTable) {
    // A stock listed in Tokyo and Nagoya appears once, with its Tokyo entry.
    std::map<std::string, ListEntry> all;
    for (const auto& e : ReadListTable(Delivered(kAllStocksTable)).entries) all.emplace(e.Code, e);
    for (const auto& seg : kSegments) {
        if (seg.market != "t") continue;
        for (const auto& e : ReadListTable(Delivered(seg.file)).entries) {
            if (e.IsHeading()) continue;
            EXPECT_EQ(all.at(e.Code).Market, "t") << e.Code;
            EXPECT_EQ(all.at(e.Code).Section, seg.section) << e.Code;
        }
    }
    EXPECT_EQ(Trim(all.at("7203").StockName), "トヨタ自動車");
    EXPECT_EQ(all.at("7203").Market, "t");
}

}  // namespace
}  // namespace ranvik
