// The list editor's save of a text list, the URL list or the topics list,
// on a file of any bytes: opened into the text box, left alone, given a new
// first line or robbed of its first line, and saved.  A list saved unedited
// is byte-identical; an edit changes the bytes of the lines it touched and
// no other; the list opened again shows what was saved; and the save
// touches no other file.
#include <QPlainTextEdit>
#include <QTextCursor>
#include <set>

#include "listedit/editor_state.h"
#include "listedit/form1.h"
#include "listedit/start_up.h"
#include "listedit/text_list.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/os_version.h"
#include "platform/runtime/process.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

constexpr const char* kTypedLine = "株価=http://example.jp/";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ranvik;
    using namespace ranvik::listedit;
    fuzz::BeginRun();
    std::string_view bytes = fuzz::InputOf(data, size);
    const std::uint8_t options = fuzz::TakeOptions(bytes);
    const bool urlList = (options & 1) == 0;
    const int edit = options >> 1 & 3;  // 0 none, 1 a new first line, 2 the first line deleted, 3 saved twice
    const std::string name = urlList ? "MyURL.txt" : "チャートNEWS.etxt";
    const std::string path = fuzz::FileIn(name);
    fuzz::WriteFile(path, bytes);
    const std::optional<TextListContents> read = ReadTextList(path);
    fuzz::Check(read.has_value(), "a text list that is there can be read");
    const fuzz::FolderFiles before = fuzz::FolderSnapshot();

    ResetEditorState();
    SetProgramFolder(fuzz::FileIn(""));
    SetOperatingSystemVersion(-1);
    {
        Form1 form;
        form.resize(700, 500);
        form.Form_Load();
        form.mnuMeigaraList_Click(urlList ? 5 : 6);
        fuzz::Check(!form.URLNEWStxt->isHidden(), "a text list that is there is shown");
        QTextCursor cursor = form.URLNEWStxt->textCursor();
        cursor.movePosition(QTextCursor::Start);
        std::string expected(bytes);
        // Lines of the same text may be kept in either's bytes: exact bytes
        // are owed only where each shown line is the only one of its text.
        std::set<std::string> texts{kTypedLine};
        bool distinct = true;
        for (const ReadLine& line : read->lines) distinct = distinct && texts.insert(line.text).second;
        if (edit == 1) {
            form.URLNEWStxt->setTextCursor(cursor);
            form.URLNEWStxt->insertPlainText(QString::fromUtf8(kTypedLine) + "\n");
            expected = ToAnsi(kTypedLine) + "\r\n" + expected;
        } else if (edit == 2 && !read->lines.empty() && !IsListEnd(read->lines.front().text)) {
            cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
            form.URLNEWStxt->setTextCursor(cursor);
            form.URLNEWStxt->textCursor().removeSelectedText();
            expected.erase(0, read->lines.front().bytes.size());
        }
        const QString shown = form.URLNEWStxt->toPlainText();
        form.TextListModified = -1;
        fuzz::Check(form.WriteCurrentList(), "a text list is saved");
        if (edit == 3) {
            form.TextListModified = -1;
            fuzz::Check(form.WriteCurrentList(), "a text list is saved again");
        }
        const std::string saved = fuzz::ReadFile(path);
        if (distinct) fuzz::Check(saved == expected, "a save changes the bytes of no line the user left alone");
        fuzz::Check(saved.size() >= read->rest.size() &&
                        saved.compare(saved.size() - read->rest.size(), read->rest.size(), read->rest) == 0,
                    "the bytes after the end marker stay at the end of the list");
        form.mnuMeigaraList_Click(urlList ? 5 : 6);
        fuzz::Check(form.URLNEWStxt->toPlainText() == shown, "the list opened again shows what was saved");
    }
    ResetEditorState();
    SetProgramFolder("");
    fuzz::CheckFolderKept(before, {name});
    return 0;
}
