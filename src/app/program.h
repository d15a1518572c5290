#pragma once

#include <functional>

#include "app/main_window.h"
#include "app/page_hooks.h"
#include "app/shell.h"

namespace velkor {

// The program as main() assembles it, with every seam passed in: the window and its dialogs, the
// transport on whatever wire, the prompts. Tests build the same assembly on the offscreen platform
// against the in-memory wire.
class Program {
 public:
  Program(TForm1& window, TransportSession& transport, Prompter& prompter, ConnectDialog& connectDialog,
          ProgressUi& progress, BusyIndicator& busy, std::function<void()> onListingFailure);

  // The window's handlers and the pages' hooks, for the pages to add theirs before Start.
  ShellHandlers& Handlers() { return handlers_; }
  PageHooks& Hooks() { return pageHooks_; }
  Shell& GetShell() { return shell_; }

  // Hands the handlers and hooks over, shows the window and picks the adapter.
  void Start();

 private:
  TForm1& window_;
  Shell shell_;
  ShellHandlers handlers_;
  PageHooks pageHooks_;
};

}  // namespace velkor
