// The list editor over lists that are not regular files: it starts without
// waiting, reports each as missing when opened, and makes or changes
// nothing.
#include "tests/listedit/form1_fixture.h"
#include "tests/support/hang_guard.h"
#include "tests/support/path_shapes.h"

namespace ranvik::listedit::test {
namespace {

using ranvik::test::PathShape;

TEST_F(Form1Test, ListsThatAreNotRegularFilesAreReportedMissing) {
    const PathShape shapes[] = {PathShape::Folder, PathShape::Pipe, PathShape::DanglingLink, PathShape::LinkLoop};
    for (PathShape shape : shapes) {
        const char* what = ranvik::test::NameOf(shape);
        for (std::string_view name : {kPrimeTable, kUrlListFile, kTopicsListFile})
            ranvik::test::MakePathShape(dir.Path(), std::string(name), shape, "");
        const auto before = ranvik::test::FolderContents(dir.Path());
        messages->shown.clear();
        {
            ranvik::test::HangGuard bound(std::string("the list editor over lists that are ") + what);
            Form1& f = Start();
            EXPECT_EQ(Editor().AdminMode, kFalse) << what;
            f.mnuMeigaraList_Click(1);
            EXPECT_TRUE(f.MSFGrid1->isHidden()) << what;
            f.mnuMeigaraList_Click(5);
            f.mnuMeigaraList_Click(6);
            EXPECT_TRUE(f.URLNEWStxt->isHidden()) << what;
            f.close();
        }
        EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"907. 東証プライムリスト.eTBLが見つかりません",
                                                            "910. MyURL.txtが見つかりません",
                                                            "910. チャートNEWS.etxtが見つかりません"}))
            << what;
        EXPECT_EQ(ranvik::test::FolderContents(dir.Path()), before) << what;
        form.reset();
        for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) std::filesystem::remove_all(entry.path());
    }
}

}  // namespace
}  // namespace ranvik::listedit::test
