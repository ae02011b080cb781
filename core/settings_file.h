#pragma once
// The settings file "Ranvikchart.ini" and its backup "Ranvikchart.org.txt",
// both in the program folder.  The program reads single keys, rewrites the
// value of a line that is already there (it never adds or removes a line),
// and can restore the whole file from the backup.
//
// Line forms: the version line "Version=4.4.5"; a setting line, the key, an
// apostrophe, a value of three characters padded with blanks and an
// apostrophe (IdoSampleD1='5  '); a line with a key but no apostrophe, whose
// value is everything after its first "=".  The line of a key is the first
// line that contains the key's text anywhere.
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace ranvik {

inline constexpr std::string_view kSettingsFileName = "Ranvikchart.ini";
inline constexpr std::string_view kSettingsBackupName = "Ranvikchart.org.txt";
inline constexpr std::string_view kSettingsVersionKey = "Version=";
// The start-up restores the file from its backup when its version differs.
inline constexpr std::string_view kSettingsVersion = "4.4.5";

// One key of the settings file.
struct SettingKey {
    std::string_view key;          // "IdoSampleD1="
    std::string_view box;          // the extended panel's box ("Text20"); empty for single settings
    std::string_view designValue;  // the value the program has without a settings file
    std::string_view frame;        // caption of the panel frame holding the box
    int funcExItem = 0;            // その他機能 item the key stores (2 to 5), else 0
};

// Every setting key (the version line aside), in the order of the delivered
// file: the seven single settings, then the sixty keys of the extended
// panel in the order LoadPanelSettings reads them.
std::span<const SettingKey> SettingKeys();
std::span<const SettingKey> SingleSettingKeys();
std::span<const SettingKey> PanelSettingKeys();
// The key's entry, or nullptr.
const SettingKey* FindSettingKey(std::string_view key);

// AppDir & "Ranvikchart.ini".
std::string SettingsFilePath();

// Sets IniValue to the key's value, blanks trimmed, or to empty when no line
// holds the key.  A setting line's value is what stands between the first
// apostrophe and the next one, at most three characters.  Returns false
// (IniValue empty) when the settings file cannot be read; callers test
// first that it exists.
bool ReadIniValue(std::string_view key);

// The value as the writer stores it: wide characters made narrow, blanks
// trimmed; a value that is not a number becomes three blanks; a number
// longer than three characters is cut to three, and to two when the three
// end in "." (12.5 -> 12, 1234 -> 123).
std::string NormalizeIniValue(std::string_view value);

enum class IniWriteResult {
    Written,    // the key's line now holds the value
    Unchanged,  // the line already held it; the file was not touched
    NoLine,     // no line holds the key; nothing is added
    Failed,     // the file could not be read or replaced; it is as it was
};
// Rewrites the value of the key's line.  Only that line changes: the file is
// written anew beside the old one and renamed over it, so every other byte
// stays as it was and a failed write leaves the old file whole.
IniWriteResult WriteIniValue(std::string_view key, std::string_view value);

// What the stored settings are put into: the main window's state, its
// その他機能 items and the boxes of its extended parameter panel.
class SettingsTarget {
public:
    virtual ~SettingsTarget() = default;
    virtual void SetWindowState(int state) = 0;
    virtual void SetFuncExItemChecked(int item, bool checked) = 0;
    virtual void SetBoxText(std::string_view box, const std::string& text) = 0;
};

// A plain holder of the same values, for code that has no main window.
class SettingsValues : public SettingsTarget {
public:
    void SetWindowState(int state) override { windowState = state; }
    void SetFuncExItemChecked(int item, bool checked) override { funcExChecked[item] = checked; }
    void SetBoxText(std::string_view box, const std::string& text) override {
        boxText[std::string(box)] = text;
    }

    std::optional<int> windowState;
    std::map<int, bool> funcExChecked;
    std::map<std::string, std::string, std::less<>> boxText;
};

// Puts the stored settings into the target.  Flag 0 (start-up): the window
// state (when "WindowState=" holds 0, 1 or 2) and the four その他機能 flags
// too; any other flag: the panel boxes only.  Every panel box gets its
// key's value as read, empty when the key is missing.
void LoadPanelSettings(int flag, SettingsTarget& target);

// Copies the backup over the settings file, line by line with CR LF, and
// loads the panel boxes from it.  Quiet 0 shows message 330 afterwards.
// A missing backup, or a copy that fails, shows message 331 (quiet or not)
// and changes nothing.  Returns whether the file was restored.
bool RestoreSettingsFromBackup(int quiet, SettingsTarget& target);

}  // namespace ranvik
