#include "maintenance/operation_states.h"

#include <gtest/gtest.h>

#include <string>

#include "maintenance/record_entries.h"
#include "maintenance/record_rows.h"

namespace ranvik {
namespace {

constexpr std::int16_t kNone = -1;  // the event does nothing in that state

TEST(OperationStates, EveryEventLeadsFromEveryStateWhereTheTableSays) {
    using E = StateEvent;
    const std::int16_t states[] = {0, 1, 91, 2, 92, 3, 93, 4, 8, 98};
    struct Case {
        E event;
        const char* name;
        std::int16_t to[10];  // in the order of `states`
    };
    const Case cases[] = {
        // Adding opens its editor from any state; in 91 the button only
        // gives the focus back.
        {E::AddButton, "AddButton", {91, 91, 91, 91, 91, 91, 91, 91, 91, 91}},
        {E::ModifyButton, "ModifyButton", {2, kNone, kNone, kNone, 92, kNone, kNone, kNone, kNone, kNone}},
        // In 93 the button is the Enter on the question: deleted, back to 3.
        {E::DeleteButton, "DeleteButton", {3, kNone, kNone, kNone, kNone, kNone, 3, kNone, kNone, kNone}},
        {E::NewFileButton, "NewFileButton", {4, kNone, kNone, kNone, kNone, kNone, kNone, 4, kNone, kNone}},
        {E::RangeButton, "RangeButton", {8, kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone}},
        {E::FileDeleteButton, "FileDeleteButton", {0, kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone}},
        {E::NewRowClick, "NewRowClick", {kNone, 91, 91, kNone, kNone, kNone, kNone, kNone, kNone, kNone}},
        {E::CellClick, "CellClick", {kNone, kNone, kNone, 92, 92, 93, 93, kNone, kNone, kNone}},
        {E::RangePress, "RangePress", {kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone, 98, 98}},
        // Scrolling closes an open editor or question: back to the chosen
        // operation.
        {E::Scroll, "Scroll", {kNone, kNone, 1, kNone, 2, kNone, 3, kNone, kNone, kNone}},
        {E::DateCommitted, "DateCommitted", {kNone, kNone, 91, kNone, 0, kNone, kNone, kNone, kNone, kNone}},
        {E::RowStored, "RowStored", {kNone, kNone, 0, kNone, kNone, kNone, kNone, kNone, kNone, kNone}},
        {E::Reset, "Reset", {kNone, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        for (int i = 0; i < 10; ++i) {
            const auto next = StateAfter(states[i], c.event);
            EXPECT_EQ(next.value_or(kNone), c.to[i]) << c.name << " in state " << states[i];
        }
    }
}

TEST(OperationStates, AnOperationLeavesOnlyItsOwnButtonsAndEveryIdleStateEnablesByTheFile) {
    struct Case {
        std::int16_t state;
        bool hasFile;
        OperationControls kept;
    };
    const Case cases[] = {
        {2, true, {.modify = true}},
        {92, true, {}},
        {91, true, {.add = true}},
        {1, true, {}},
        {3, true, {.remove = true}},
        // A row delete that took the file's last record.
        {3, false, {.fileDelete = true}},
        {93, true, {}},
        {4, false, {.newFile = true}},
        {8, true, {.range = true}},
        {98, true, {.range = true}},
    };
    for (const Case& c : cases) EXPECT_EQ(KeptDuring(c.state, c.hasFile), c.kept) << c.state << " " << c.hasFile;

    EXPECT_EQ(EnabledWhenIdle(false), (OperationControls{.newFile = true, .fileDelete = true}));
    EXPECT_EQ(EnabledWhenIdle(true), (OperationControls{.display = true, .add = true, .modify = true, .remove = true,
                                                        .newFile = true, .fileDelete = true, .range = true,
                                                        .correction = true}));
}

TEST(OperationStates, TheGridIsBusyWhileWholeRowsOrCellsAreChosen) {
    EXPECT_EQ(GridColorOf(0), RGB(240, 255, 240));
    for (std::int16_t s : {2, 92, 3, 93, 8, 98}) EXPECT_EQ(GridColorOf(s), RGB(255, 228, 225)) << s;
    for (std::int16_t s : {1, 91, 4}) EXPECT_FALSE(GridColorOf(s).has_value()) << s;
}

TEST(RecordRows, RowsMapToRecordsInBothOrdersAndInAdministratorMode) {
    struct Case {
        RowLayout layout;
        int row;
        int record;
    };
    const Case cases[] = {
        // N = 5: rows 1 to 4 show records 2 to 5.
        {{5, false, false}, 1, 2},
        {{5, false, false}, 4, 5},
        {{5, false, false}, 5, 0},  // below the last record
        {{5, true, false}, 1, 5},
        {{5, true, false}, 4, 2},
        {{5, true, false}, 5, 0},
        {{5, true, false}, 0, 0},
        // Administrator mode: the header is a row, first or last.
        {{5, false, true}, 1, 1},
        {{5, false, true}, 5, 5},
        {{5, true, true}, 1, 5},
        {{5, true, true}, 5, 1},
        {{5, true, true}, 6, 0},
        // A header-only file shows no record.
        {{1, true, false}, 1, 0},
        {{1, false, false}, 1, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RecordOfRow(c.layout, c.row), c.record) << c.layout.recordCount << c.layout.newestFirst
                                                          << c.layout.admin << " row " << c.row;
        if (c.record >= 1) {
            EXPECT_EQ(RowOfRecord(c.layout, c.record), c.row);
        }
    }
    EXPECT_EQ(RowOfRecord({5, false, false}, 1), 0);
    EXPECT_EQ(GridRowCount({1, true, false}), 45);
    EXPECT_EQ(GridRowCount({200, false, false}), 200);
    EXPECT_EQ(GridRowCount({200, false, true}), 201);
    EXPECT_EQ(NewRowIndex({200, false, false}), 200);
    EXPECT_EQ(NewRowIndex({200, true, true}), 201);
    EXPECT_EQ(NewRowIndex({1, true, false}), 1);
    EXPECT_EQ(RowNumberOf("12"), 12);
    EXPECT_EQ(RowNumberOf(""), 0);
    EXPECT_EQ(RowNumberOf("1a"), 0);
}

TEST(RecordEntries, DatesNumbersAndKeysTheEditorTakes) {
    // Only "mm/dd/yy" with a day of the calendar: no swapped day and month,
    // no other form.
    for (const char* date : {"05/10/24", "02/29/24", "12/31/99", "01/01/00"}) EXPECT_TRUE(IsAcceptedDate(date)) << date;
    for (const char* date : {"13/05/24", "02/30/24", "02/29/23", "5/10/24", "05-10-24", "05/10/2024", "", "ab/cd/ef"}) {
        EXPECT_FALSE(IsAcceptedDate(date)) << date;
    }
    EXPECT_EQ(YearOfEntry("01/02/71"), 1971);
    EXPECT_EQ(YearOfEntry("01/02/70"), 2070);
    EXPECT_EQ(YearOfEntry("01/02/24"), 2024);

    EXPECT_EQ(EntryNumber("1234.5"), 1234.5f);
    EXPECT_EQ(EntryNumber(" 1,000 "), 1000.0f);
    EXPECT_EQ(EntryNumber("１２"), 12.0f);
    EXPECT_EQ(EntryNumber("-3"), -3.0f);
    for (const char* text : {"", "12a", "abc", "1e60", "."}) EXPECT_FALSE(EntryNumber(text).has_value()) << text;

    for (int key : {46, 8, 37, 18, 73, 190, 110}) EXPECT_TRUE(IsQuietKey(key)) << key;
    for (int key : {13, 65, 191, 111, 16, 17, 27, 9}) EXPECT_FALSE(IsQuietKey(key)) << key;
    for (int key : {48, 57, 96, 105, 39}) EXPECT_TRUE(IsTypingAidKey(key)) << key;
    for (int key : {47, 58, 95, 106, 37}) EXPECT_FALSE(IsTypingAidKey(key)) << key;

    // Stored dates: what the collection writes, padded or not.
    for (const char* date : {"05/10/24", "5/1/24  ", " 5/10/24"}) EXPECT_TRUE(IsStoredDate(date)) << date;
    for (const char* date : {"", "        ", "00/00/00", "13/01/24", "5/1", "x5/10/24"}) EXPECT_FALSE(IsStoredDate(date));

    EXPECT_EQ(MultiplierShown("05"), "0.5");
    EXPECT_EQ(MultiplierShown("2 "), "2");
    EXPECT_EQ(MultiplierShown("99"), "99");
    EXPECT_EQ(MultiplierShown("  "), "");
}

}  // namespace
}  // namespace ranvik
