#include "core/settings_file.h"

#include <array>
#include <vector>

#include "core/data_store.h"
#include "core/program_state.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/message_service.h"
#include "platform/runtime/text_file.h"
#include "platform/runtime/values.h"

namespace ranvik {

namespace {

constexpr std::string_view kMessageTitle = "Ranvikチャート";

// The one table of setting keys.  The single settings come first; the panel
// keys follow frame by frame, row by row, the order in which the panel is
// loaded.
constexpr std::array<SettingKey, 67> kSettingKeys{{
    {"WindowState=", "", "2", "", 0},
    {"mnuColorItem=", "", "0", "", 0},
    {"mnuDekiIdou=", "", "1", "", 0},
    {"FixAMT=", "", "0", "", 2},
    {"PrinterDate=", "", "1", "", 3},
    {"mnuChartExplain=", "", "0", "", 4},
    {"CrossKabuka=", "", "1", "", 5},

    {"IdoSampleD1=", "Text20", "5", "移動平均(売買代金も)"},
    {"IdoSampleD2=", "Text21", "25", "移動平均(売買代金も)"},
    {"IdoSampleD3=", "Text22", "75", "移動平均(売買代金も)"},
    {"IdoSampleW1=", "Text23", "13", "移動平均(売買代金も)"},
    {"IdoSampleW2=", "Text24", "26", "移動平均(売買代金も)"},
    {"IdoSampleW3=", "Text25", "52", "移動平均(売買代金も)"},
    {"IdoSampleM1=", "Text75", "12", "移動平均(売買代金も)"},
    {"IdoSampleM2=", "Text76", "24", "移動平均(売買代金も)"},
    {"IdoSampleM3=", "Text77", "48", "移動平均(売買代金も)"},

    {"DKIdoSampD1=", "Text32", "5", "出来高移動平均"},
    {"DKIdoSampD2=", "Text33", "25", "出来高移動平均"},
    {"DKIdoSampW1=", "Text34", "5", "出来高移動平均"},
    {"DKIdoSampW2=", "Text35", "26", "出来高移動平均"},

    {"MACDD1=", "Text26", "12", "MACD"},
    {"MACDD2=", "Text27", "26", "MACD"},
    {"MACDD3=", "Text28", "9", "MACD"},
    {"MACDW1=", "Text29", "13", "MACD"},
    {"MACDW2=", "Text30", "26", "MACD"},
    {"MACDW3=", "Text31", "9", "MACD"},

    {"EnvelopeD1=", "Text36", "25", "ｴﾝﾍﾞﾛｰﾌﾟ"},
    {"EnvelopeD2=", "Text37", "5", "ｴﾝﾍﾞﾛｰﾌﾟ"},
    {"EnvelopeW1=", "Text38", "13", "ｴﾝﾍﾞﾛｰﾌﾟ"},
    {"EnvelopeW2=", "Text39", "10", "ｴﾝﾍﾞﾛｰﾌﾟ"},

    {"BolinjerD1=", "Text68", "25", "ﾎﾞﾘﾝｼﾞｬﾊﾞﾝﾄﾞ"},
    {"BolinjerW1=", "Text69", "13", "ﾎﾞﾘﾝｼﾞｬﾊﾞﾝﾄﾞ"},

    {"PerOscillatorD1=", "Text40", "25", "%Rｵｼﾚｰﾀ"},
    {"PerOscillatorW1=", "Text41", "13", "%Rｵｼﾚｰﾀ"},

    {"MomentumD1=", "Text42", "25", "ﾓﾒﾝﾀﾑ"},
    {"MomentumW1=", "Text43", "13", "ﾓﾒﾝﾀﾑ"},

    {"RSID1=", "Text44", "15", "RSI"},
    {"RSIW1=", "Text45", "13", "RSI"},

    {"RCID1=", "Text46", "15", "RCI"},
    {"RCIW1=", "Text47", "13", "RCI"},

    {"StocasD1=", "Text48", "25", "ｽﾄｷｬｽﾃｨｸｽ"},
    {"StocasW1=", "Text49", "13", "ｽﾄｷｬｽﾃｨｸｽ"},

    {"OBVD1=", "Text50", "25", "OBV"},
    {"OBVW1=", "Text51", "13", "OBV"},

    {"ConverseWatchD1=", "Text52", "25", "逆ｳｫｯﾁ"},
    {"ConverseWatchW1=", "Text53", "13", "逆ｳｫｯﾁ"},

    {"HLbandD1=", "Text54", "20", "HLﾊﾞﾝﾄﾞ"},
    {"HLbandW1=", "Text55", "13", "HLﾊﾞﾝﾄﾞ"},

    {"Vol12phycoD1=", "Text56", "25", "ﾎﾞﾘｭｰﾑ/ｻｲｺﾛｼﾞ"},
    {"Vol12phycoW1=", "Text57", "13", "ﾎﾞﾘｭｰﾑ/ｻｲｺﾛｼﾞ"},

    {"IchimokuD1=", "Text58", "9", "一目均衡線"},
    {"IchimokuD2=", "Text59", "26", "一目均衡線"},
    {"IchimokuW1=", "Text60", "2", "一目均衡線"},
    {"IchimokuW2=", "Text61", "5", "一目均衡線"},

    {"SenkeiKaikiD1=", "Text62", "25", "線形回帰ﾄﾚﾝﾄﾞ"},
    {"SenkeiKaikiD2=", "Text63", "75", "線形回帰ﾄﾚﾝﾄﾞ"},
    {"SenkeiKaikiW1=", "Text64", "5", "線形回帰ﾄﾚﾝﾄﾞ"},
    {"SenkeiKaikiW2=", "Text65", "13", "線形回帰ﾄﾚﾝﾄﾞ"},

    {"InYohAshiD1=", "Text66", "3", "陰陽足"},
    {"InYohAshiW1=", "Text67", "5", "陰陽足"},
    {"InYohAshiM1=", "Text78", "3", "陰陽足"},

    {"Days3D1=", "Text79", "3", "三日平均"},
    {"Days3W1=", "Text80", "3", "三日平均"},

    {"VectorD1=", "Text71", "25", "ﾍﾞｸﾄﾙ"},
    {"VectorW1=", "Text72", "13", "ﾍﾞｸﾄﾙ"},

    {"KagiAshi=", "Text73", "3", "カギ足"},

    {"PandF=", "Text74", "1", "Ｐ＆Ｆ"},
}};

constexpr std::size_t kSingleKeyCount = 7;

// The value of a setting line, untrimmed: up to three characters after the
// first apostrophe, ending early at the closing apostrophe, so that a line
// written shorter than the usual form (IdoSampleD1='5') still reads 5.
std::string ApostropheValue(const std::string& line) {
    const std::size_t first = FindChars(line, "'");
    std::string value = MidChars(line, first + 1, 3);
    const std::size_t close = value.find('\'');
    if (close != std::string::npos) value.resize(close);
    return value;
}

std::string PadToThree(std::string value) {
    while (CharCount(value) < 3) value += ' ';
    return value;
}

// Lines of a file as byte ranges, whatever ends them (CR LF, CR or LF).
std::vector<std::string_view> SplitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < bytes.size()) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            lines.push_back(bytes.substr(start, i - start));
            if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
            start = ++i;
        } else {
            ++i;
        }
    }
    if (start < bytes.size()) lines.push_back(bytes.substr(start));
    return lines;
}

struct KeyLine {
    std::string text;  // the line as text
    std::size_t offset = 0;
    std::size_t length = 0;  // bytes, line end excluded
};

// The key's line: the first line that contains the key's text.
std::optional<KeyLine> FindKeyLine(std::string_view bytes, std::string_view key) {
    if (IsAscii(key)) {
        // An ASCII key stands in a line's text only where its bytes stand in
        // the line, so only the lines holding those bytes are converted: a
        // long file read key by key costs a scan for each key, not a
        // conversion of every line.  A hit inside a double-byte character is
        // no hit; the search goes on from the next line.
        std::size_t from = 0;
        while (from < bytes.size()) {
            const std::size_t hit = bytes.find(key, from);
            if (hit == std::string_view::npos) return std::nullopt;
            const std::size_t lineEnd = bytes.find_first_of("\r\n", hit);
            const std::size_t end = lineEnd == std::string_view::npos ? bytes.size() : lineEnd;
            const std::size_t before = bytes.find_last_of("\r\n", hit);
            const std::size_t start = before == std::string_view::npos ? 0 : before + 1;
            const std::string_view line = bytes.substr(start, end - start);
            std::string text = FromAnsi(line);
            if (text.find(key) != std::string::npos) return KeyLine{std::move(text), start, line.size()};
            from = end + 1;
        }
        return std::nullopt;
    }
    for (const auto line : SplitLines(bytes)) {
        std::string text = FromAnsi(line);
        if (text.find(key) != std::string::npos)
            return KeyLine{std::move(text), static_cast<std::size_t>(line.data() - bytes.data()), line.size()};
    }
    return std::nullopt;
}

}  // namespace

std::span<const SettingKey> SettingKeys() { return kSettingKeys; }
std::span<const SettingKey> SingleSettingKeys() { return SettingKeys().first(kSingleKeyCount); }
std::span<const SettingKey> PanelSettingKeys() { return SettingKeys().subspan(kSingleKeyCount); }

const SettingKey* FindSettingKey(std::string_view key) {
    for (const auto& entry : kSettingKeys)
        if (entry.key == key) return &entry;
    return nullptr;
}

std::string SettingsFilePath() { return Program().app.AppDir + std::string(kSettingsFileName); }

bool ReadIniValue(std::string_view key) {
    std::string& iniValue = Program().settings.IniValue;
    iniValue.clear();
    const auto bytes = ReadFileBytes(SettingsFilePath());
    if (!bytes) return false;
    const auto line = FindKeyLine(*bytes, key);
    if (!line) return true;
    if (line->text.find('\'') != std::string::npos) {
        iniValue = Trim(ApostropheValue(line->text));
    } else {
        const std::size_t equals = line->text.find('=');
        iniValue = Trim(std::string_view(line->text).substr(equals + 1));
    }
    return true;
}

std::string NormalizeIniValue(std::string_view value) {
    std::string narrow = Trim(ToNarrow(value));
    if (!IsNumeric(narrow)) return "   ";
    if (CharCount(narrow) > 3) {
        narrow = LeftChars(narrow, 3);
        if (narrow.back() == '.') narrow = LeftChars(narrow, 2);
    }
    return narrow;
}

IniWriteResult WriteIniValue(std::string_view key, std::string_view value) {
    const std::string path = SettingsFilePath();
    const auto bytes = ReadFileBytes(path);
    if (!bytes) return IniWriteResult::Failed;
    const auto line = FindKeyLine(*bytes, key);
    if (!line) return IniWriteResult::NoLine;

    const std::string normalized = NormalizeIniValue(value);
    const std::string text = Trim(line->text);
    std::string newLine;
    if (text.find('\'') != std::string::npos) {
        if (Trim(ApostropheValue(text)) == Trim(normalized)) return IniWriteResult::Unchanged;
        newLine = std::string(key) + "'" + PadToThree(normalized) + "'";
    } else {
        const std::size_t at = text.find(key);
        if (Trim(std::string_view(text).substr(at + key.size())) == Trim(normalized))
            return IniWriteResult::Unchanged;
        newLine = std::string(key) + normalized;
    }

    // Only the line's own bytes are replaced; its line end and every other
    // byte of the file are kept as they are.
    std::string out = bytes->substr(0, line->offset);
    out += ToAnsi(newLine);
    out += bytes->substr(line->offset + line->length);
    return ReplaceFileBytes(path, out) ? IniWriteResult::Written : IniWriteResult::Failed;
}

void LoadPanelSettings(int flag, SettingsTarget& target) {
    const std::string& iniValue = Program().settings.IniValue;
    if (flag == 0) {
        ReadIniValue("WindowState=");
        if (!iniValue.empty() && IsNumeric(iniValue)) {
            // Only the three states a window has; anything else leaves the
            // window as it is.
            const auto state = CInt(Val(iniValue));
            if (state && *state >= 0 && *state <= 2) target.SetWindowState(*state);
        }
        for (const auto& entry : SingleSettingKeys()) {
            if (entry.funcExItem == 0) continue;
            ReadIniValue(entry.key);
            target.SetFuncExItemChecked(entry.funcExItem, iniValue == "1");
        }
    }
    for (const auto& entry : PanelSettingKeys()) {
        ReadIniValue(entry.key);
        target.SetBoxText(entry.box, iniValue);
    }
}

bool RestoreSettingsFromBackup(int quiet, SettingsTarget& target) {
    const std::string& appDir = Program().app.AppDir;
    auto cannotRestore = [] {
        ShowMessage("331, 復元出来ません", std::string(kMessageTitle), MessageIcon::Exclamation);
        return false;
    };
    if (FileExistsIn(std::string(kSettingsBackupName), appDir) == 0) return cannotRestore();
    const auto backup = ReadFileBytes(appDir + std::string(kSettingsBackupName));
    if (!backup) return cannotRestore();
    std::string out;
    out.reserve(backup->size() + 64);
    for (const auto line : SplitLines(*backup)) {
        out += line;
        out += "\r\n";
    }
    if (!ReplaceFileBytes(SettingsFilePath(), out)) return cannotRestore();
    LoadPanelSettings(1, target);
    if (quiet == 0) ShowMessage("330, 復元完了。", std::string(kMessageTitle), MessageIcon::Information);
    return true;
}

}  // namespace ranvik
