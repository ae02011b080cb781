#pragma once
// The chart window's web update, UpdateFromWeb: the price data collection
// fetches the stock chosen in the list-table grid into the window's own
// temporary data file and draws it.  The window reaches it only through this
// hook, which the collection installs; until then nothing is fetched.
#include <functional>

namespace ranvik {

class Form3;

using WebUpdate = std::function<void(Form3& window)>;

// Installs the web update and returns the one it replaces; an empty function
// removes it.
WebUpdate InstallWebUpdate(WebUpdate update);

// Runs the installed web update for the window; nothing when none is.
void UpdateFromWeb(Form3& window);

}  // namespace ranvik
