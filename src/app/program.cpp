#include "app/program.h"

namespace velkor {

Program::Program(TForm1& window, TransportSession& transport, Prompter& prompter,
                 ConnectDialog& connectDialog, ProgressUi& progress, BusyIndicator& busy,
                 std::function<void()> onListingFailure)
    : window_(window),
      shell_(transport, prompter, connectDialog, progress, busy, window, std::move(onListingFailure)),
      handlers_{
          .adapterChosen = [this] { shell_.SelectAdapter(); },
          .rediscoverRequested = [this] { shell_.OnRediscoverRequest(); },
          .closeAllowed = [this] { return shell_.CloseRequested(); },
          .networkSheetShown = [this] { shell_.NetworkSheetShow(); },
          .switchList =
              {
                  .refreshClicked = [this] { shell_.RefreshClick(); },
                  .rowDoubleClicked = [this](int row) { shell_.SwitchListDoubleClick(row); },
                  .connectChosen = [this](int row) { shell_.ConnectMenuClick(row); },
                  .connectEnabled = [this](int row) { return shell_.ConnectMenuEnabled(row); },
              },
      } {}

void Program::Start() {
  window_.SetHandlers(handlers_);
  shell_.SetPageHooks(pageHooks_);
  window_.show();
  shell_.Start();
}

}  // namespace velkor
