#include <QApplication>
#include <cstdlib>
#include <iostream>

#include "app/busy_cursor.h"
#include "app/connect_switch_dialog.h"
#include "app/main_window.h"
#include "app/progress_dialog.h"
#include "app/qt_prompter.h"
#include "app/shell.h"
#include "transport/pcap_backend.h"

// RunApplication: the window and its dialogs are created once and live for the whole run.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The application's own name; a display name would be appended to every window caption.
  QApplication::setApplicationName(QStringLiteral("Brevane管理软件 V2.4.11"));

  velkor::TForm1 window;
  velkor::TConnectSwitch connectDialog(&window);
  velkor::TProgressDlg progressDialog(&window);
  velkor::QtPrompter prompter(&window);
  velkor::BusyCursor busy;

  velkor::PcapBackend backend;
  velkor::SystemClock clock;
  velkor::TransportSession transport(backend, clock, std::cerr, busy);
  // The adapter list is the one thing the program cannot run without.
  velkor::Shell shell(transport, prompter, connectDialog, progressDialog, busy, window, [] { std::exit(1); });

  velkor::ShellHandlers handlers{
      .adapterChosen = [&] { shell.SelectAdapter(); },
      .rediscoverRequested = [&] { shell.OnRediscoverRequest(); },
      .closeAllowed = [&] { return shell.CloseRequested(); },
      .networkSheetShown = [&] { shell.NetworkSheetShow(); },
      .switchList =
          {
              .refreshClicked = [&] { shell.RefreshClick(); },
              .rowDoubleClicked = [&](int row) { shell.SwitchListDoubleClick(row); },
              .connectChosen = [&](int row) { shell.ConnectMenuClick(row); },
              .connectEnabled = [&](int row) { return shell.ConnectMenuEnabled(row); },
          },
  };
  velkor::PageHooks pageHooks;

  // Port statistics.

  // Port settings, trunk groups and port descriptions.

  // Save, factory reset, soft reset and the switch description.

  window.SetHandlers(std::move(handlers));
  shell.SetPageHooks(std::move(pageHooks));
  window.show();
  shell.Start();
  return app.exec();
}
