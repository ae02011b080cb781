#pragma once
// What the main window's start-up and shut-down use of the settings file and
// the URL list, in one place.
#include <string>

class QComboBox;

namespace ranvik {

class MDIForm1;

namespace settings_bridge {

// Sets IniValue from the settings file (which must exist).
void ReadIniValue(const std::string& key);
void WriteIniValue(const std::string& key, const std::string& value);
void RestoreSettingsFromBackup(int quiet);
// 0 at start-up: window state and option flags too; otherwise the panel only.
void LoadPanelSettings(MDIForm1& form, int flag);
// Fills the address bar, the information links and AdminMode.
void LoadUrlList(QComboBox* addressBar);

}  // namespace settings_bridge
}  // namespace ranvik
