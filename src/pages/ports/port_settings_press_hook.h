#pragma once

#include <functional>

class QWidget;

namespace velkor {

// Calls pressed whenever the tabs of the sheet that holds page are pressed, before the press
// changes the current page.
void OnSheetTabsPressed(QWidget* page, std::function<void()> pressed);

}  // namespace velkor
