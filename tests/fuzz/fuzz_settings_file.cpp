// The settings file reader and writer on a file of any bytes: every key
// read, the panel loaded, one key written and read again, and the file
// restored from a backup of any bytes.
#include <algorithm>

#include "core/program_state.h"
#include "core/settings_file.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ranvik;
    fuzz::BeginRun();
    std::string_view bytes = fuzz::InputOf(data, size);
    const std::uint8_t options = fuzz::TakeOptions(bytes);
    const std::vector<std::string> files = fuzz::SplitPages(bytes, 2);
    const std::string path = SettingsFilePath();
    fuzz::WriteFile(path, files[0]);
    for (const SettingKey& key : SettingKeys()) ReadIniValue(key.key);
    ReadIniValue(kSettingsVersionKey);
    SettingsValues values;
    LoadPanelSettings(0, values);

    static const char* const kValues[] = {"12.5", "1234", "7", "abc", "", "１２", " 30 ", "-5"};
    const std::span<const SettingKey> keys = SettingKeys();
    const SettingKey& key = keys[options % keys.size()];
    const std::string value = kValues[options / keys.size() % std::size(kValues)];
    const IniWriteResult result = WriteIniValue(key.key, value);
    if (result == IniWriteResult::Written || result == IniWriteResult::Unchanged) {
        fuzz::Check(ReadIniValue(key.key), "a written settings file can be read");
        const std::string stored = NormalizeIniValue(value);
        fuzz::Check(Program().settings.IniValue == Trimmed(stored), "a key reads back the value written");
    } else {
        fuzz::Check(fuzz::ReadFile(path) == files[0], "a settings file not written keeps its bytes");
    }

    fuzz::WriteFile(fuzz::FileIn(kSettingsBackupName), files[1]);
    RestoreSettingsFromBackup(1, values);
    return 0;
}
