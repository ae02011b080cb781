#pragma once
// Tables of menu items as a window creates them, and the one loop that
// checks each row against the window's item: it exists, and its caption,
// shortcut, mark and visibility (and, where the row has it, its enabled
// state) are as the row says.
#include <gtest/gtest.h>

#include <cstddef>

#include "chart/drawing/chart_host.h"

namespace ranvik::test {

struct CreatedItem {
    const char* array;
    int index;
    const char* caption;
    const char* shortcut;
    bool checked;
    bool visible;
};

struct CreatedItemEnabled {
    const char* array;
    int index;
    const char* caption;
    const char* shortcut;
    bool checked;
    bool enabled;
    bool visible;
};

template <typename Row, std::size_t N>
void ExpectItemsAsCreated(const ChartHost& w, const Row (&rows)[N]) {
    for (const Row& row : rows) {
        const MenuItem i = w.Item(row.array, row.index);
        ASSERT_TRUE(i.Exists()) << row.array << row.index;
        EXPECT_EQ(i.Caption(), row.caption) << row.array << row.index;
        EXPECT_EQ(i.Shortcut(), row.shortcut) << row.array << row.index;
        EXPECT_EQ(i.Checked(), row.checked) << row.array << row.index;
        if constexpr (requires { row.enabled; }) {
            EXPECT_EQ(i.Enabled(), row.enabled) << row.array << row.index;
        }
        EXPECT_EQ(i.Visible(), row.visible) << row.array << row.index;
    }
}

}  // namespace ranvik::test
