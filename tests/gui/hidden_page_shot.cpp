// Draws a page that the program keeps hidden, filled from an emulated switch, into a PNG, so that
// the page can be looked at: velkor-page-shot OUT.png. Runs on the offscreen platform.
#include <QApplication>
#include <QTabWidget>
#include <cstdio>

#include "gui/program_rig.h"
#include "pages/switch/mirroring_page.h"

namespace velkor {
namespace {

// A QX-F16A whose chip port 4 mirrors what chip ports 0 and 1 receive and send.
int Shoot(const char* path) {
  testing::ProgramRig rig;
  TForm1& window = rig.window;
  rig.segment.AddSwitch({.modelCode = 1, .mac = {0x02, 0x10, 0, 0, 0, 0x01}});
  rig.segment.Switch(0).Write(0x0219, 0x0010);
  rig.segment.Switch(0).Write(0x021B, 0x0003);
  rig.segment.Switch(0).Write(0x021D, 0x0003);
  rig.wire.AddDevice({"veth0", "", 0x0A000001u}, Mac{0x02, 0, 0, 0, 0, 0x01}, &rig.segment);
  rig.program.Start();
  QCoreApplication::processEvents();
  rig.dialog.outcomes = {{ConnectOutcome::Kind::kConnect, "vemix", ""}};
  rig.program.GetShell().SwitchListDoubleClick(0);
  QCoreApplication::processEvents();

  MirroringPage* page = window.Pages().mirroring;
  window.SetPageVisible(page, true);
  auto* sheets = window.findChildren<QTabWidget*>().first();
  sheets->setCurrentIndex(static_cast<int>(Sheet::kSwitchConfiguration));
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
  if (argc != 2) {
    std::fprintf(stderr, "usage: velkor-page-shot OUT.png\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  return velkor::Shoot(argv[1]);
}
