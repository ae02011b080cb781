#include "core/settings_bridge.h"

#include "core/program_state.h"

namespace ranvik::settings_bridge {

// The settings file and URL list readers are not part of this build yet:
// reads find nothing and writes change nothing.
void ReadIniValue(const std::string&) { Program().settings.IniValue.clear(); }
void WriteIniValue(const std::string&, const std::string&) {}
void RestoreSettingsFromBackup(int) {}
void LoadPanelSettings(MDIForm1&, int) {}
void LoadUrlList(QComboBox*) {}

}  // namespace ranvik::settings_bridge
