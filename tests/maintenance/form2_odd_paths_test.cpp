// The data maintenance window opening a listed file that was replaced by
// something else than a stock data file: the missing-data message, no wait,
// nothing made or changed, and the window goes on.
#include "tests/maintenance/form2_fixture.h"
#include "tests/support/hang_guard.h"
#include "tests/support/path_shapes.h"

namespace ranvik {
namespace {

using test::PathShape;

class Form2OddPathTest : public test::Form2Test {
protected:
    void TearDown() override {
        test::UnlockPathShapes(dir.Path());
        test::Form2Test::TearDown();
    }
};

TEST_F(Form2OddPathTest, AListedFileReplacedByAnOddPathReadsAsMissing) {
    const PathShape shapes[] = {PathShape::Empty, PathShape::Folder, PathShape::Pipe, PathShape::DanglingLink,
                                PathShape::LinkLoop};
    for (PathShape shape : shapes) {
        const char* what = test::NameOf(shape);
        Write(test::FileOf({test::Bar("05/08/24", 10, 11, 12, 9), test::Bar("05/09/24", 11, 12, 13, 10)}));
        Choose("1301d.KDT", false);
        std::filesystem::remove(Path());
        test::MakePathShape(dir.Path(), "1301d.KDT", shape, "");
        const auto before = test::FolderContents(dir.Path());
        messages->shown.clear();
        {
            test::HangGuard bound(std::string("the maintenance window opening ") + what);
            emit form->MSFGrid1->DblClick();
        }
        EXPECT_EQ(MessageTexts(), std::vector<std::string>{"203, 株価データが無い　"}) << what;
        EXPECT_EQ(window->RecordCount, 0) << what;
        EXPECT_EQ(test::FolderContents(dir.Path()), before) << what;
        for (const char* name : {"1301d.KDT", "1301d.KDT.loop"}) std::filesystem::remove_all(Path(name));
    }
    // A real file loads again.
    messages->shown.clear();
    Load(test::FileOf({test::Bar("05/08/24", 10, 11, 12, 9), test::Bar("05/09/24", 11, 12, 13, 10)}));
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_EQ(window->RecordCount, 3);
}

}  // namespace
}  // namespace ranvik
