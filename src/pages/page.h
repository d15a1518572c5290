#pragma once

#include "device/port_layout.h"

namespace velkor {

// The one shape of every page of the switch sheets. The window fills a page each time it comes into
// view, and the shell tells every page when a switch is connected and when the connection ends.
class Page {
 public:
  virtual ~Page() = default;

  // The page came into view: read what it shows from the chip. Pages keep no copy of the switch's
  // configuration, so this runs on every show, not only the first.
  virtual void Fill() = 0;
  // A switch was connected; controls that depend on its model or its ports are set here.
  virtual void Connected(const PortLayout& /*layout*/, int /*modelCode*/) {}
  // The switch stopped answering or the connection ended: nothing may talk to the switch any more
  // (refresh timers stop). A lost switch brings this twice, once when it is lost and once when the
  // connection then ends.
  virtual void Disconnected() {}
};

}  // namespace velkor
