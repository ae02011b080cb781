// The list file test, the administrator switch and the caption of the start-up.
#include "listedit/start_up.h"

#include <vector>

#include "listedit/editor_state.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/folder.h"
#include "platform/runtime/process.h"
#include "platform/runtime/text_file.h"

namespace ranvik::listedit {

namespace {

std::string WithoutLastFour(std::string_view name) {
    const std::size_t count = CharCount(name);
    return count > 4 ? LeftChars(name, count - 4) : std::string();
}

}  // namespace

std::int16_t FileExistsInAppDir(const std::string& fileName) {
    const std::size_t dot = fileName.find('.');
    const std::string pattern = dot == std::string::npos ? fileName : "*." + fileName.substr(dot + 1);
    const std::string wanted = WithoutLastFour(fileName);
    for (const std::string& listed : ListFolder(ProgramFolder(), pattern))
        if (WithoutLastFour(listed) == wanted) return 1;
    return 0;
}

bool IsListEnd(std::string_view line) {
    return line.find("<END>") != std::string_view::npos || line.find("//END") != std::string_view::npos;
}

std::int16_t AdminSwitchOf(const std::string& path) {
    const auto lines = ReadTextLines(path);
    if (!lines) return kFalse;
    std::int16_t admin = kFalse;
    for (const TextLine& raw : *lines) {
        if (IsListEnd(raw.text)) break;
        const std::string line = Trim(raw.text);
        if (line.empty() || LeftChars(line, 3) != "管理者") continue;
        if (ToUpper(MidChars(line, 5)) == KVO) admin = kTrue;
    }
    return admin;
}

void ReadAdminSwitch() {
    EditorState& editor = Editor();
    editor.AdminMode = kFalse;
    if (FileExistsInAppDir(std::string(kUrlListFile)) == 1)
        editor.AdminMode = AdminSwitchOf(editor.AppDir + std::string(kUrlListFile));
}

std::string VersionCaption(std::string_view designCaption, bool adminMode, const VersionNumber& version) {
    std::string caption(designCaption);
    if (adminMode) caption += "SUP";
    caption += '(';
    caption += std::to_string(version.major);
    caption += '.';
    caption += std::to_string(version.minor);
    caption += '.';
    caption += std::to_string(version.revision);
    caption += ')';
    return caption;
}

}  // namespace ranvik::listedit
