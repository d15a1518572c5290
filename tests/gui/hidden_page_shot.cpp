// Draws a page that the program keeps hidden, filled from an emulated switch, into a PNG, so that
// the page can be looked at: velkor-page-shot OUT.png [mirroring|port-status]. Runs on the offscreen
// platform.
#include <QApplication>
#include <QTabWidget>
#include <cstdio>
#include <cstring>

#include "gui/program_rig.h"
#include "pages/ports/port_status_page.h"
#include "pages/switch/mirroring_page.h"

namespace velkor {
namespace {

// A QX-F16A whose chip port 4 mirrors what chip ports 0 and 1 receive and send, or with some links
// up at different speeds and chip port 6 switched off.
int Shoot(const char* path, bool portStatus) {
  testing::ProgramRig rig;
  TForm1& window = rig.window;
  rig.segment.AddSwitch({.modelCode = 1, .mac = {0x02, 0x10, 0, 0, 0, 0x01}});
  sim::EmulatedSwitch& chip = rig.segment.Switch(0);
  if (portStatus) {
    for (uint8_t p = 0; p < 16; ++p) chip.SetLinkStatus(p, p % 3 == 0 ? 0 : (p % 2 ? 0x35 : 0x10));
    chip.Write(0x0608, 1u << 6);
  } else {
    chip.Write(0x0219, 0x0010);
    chip.Write(0x021B, 0x0003);
    chip.Write(0x021D, 0x0003);
  }
  rig.wire.AddDevice({"veth0", "", 0x0A000001u}, Mac{0x02, 0, 0, 0, 0, 0x01}, &rig.segment);
  rig.program.Start();
  QCoreApplication::processEvents();
  rig.dialog.outcomes = {{ConnectOutcome::Kind::kConnect, "vemix", ""}};
  rig.program.GetShell().SwitchListDoubleClick(0);
  QCoreApplication::processEvents();

  QWidget* page = portStatus ? static_cast<QWidget*>(window.Pages().portStatus) : window.Pages().mirroring;
  window.SetPageVisible(page, true);
  auto* sheets = window.findChildren<QTabWidget*>().first();
  sheets->setCurrentIndex(static_cast<int>(portStatus ? Sheet::kSwitchStatus : Sheet::kSwitchConfiguration));
  qobject_cast<QTabWidget*>(sheets->currentWidget())->setCurrentWidget(page);
  QCoreApplication::processEvents();
  if (!window.grab().save(path)) {
    std::fprintf(stderr, "velkor-page-shot: cannot write %s\n", path);
    return 1;
  }
  return 0;
}

}  // namespace
}  // namespace velkor

int main(int argc, char** argv) {
  const bool portStatus = argc == 3 && std::strcmp(argv[2], "port-status") == 0;
  if (argc < 2 || argc > 3 || (argc == 3 && !portStatus && std::strcmp(argv[2], "mirroring") != 0)) {
    std::fprintf(stderr, "usage: velkor-page-shot OUT.png [mirroring|port-status]\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  return velkor::Shoot(argv[1], portStatus);
}
