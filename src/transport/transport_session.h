#pragma once

#include <ostream>

#include "transport/discovery.h"
#include "transport/eeprom_blocks.h"
#include "transport/link.h"
#include "transport/register_engine.h"
#include "transport/switch_access.h"

namespace velkor {

// The transport as one program holds it: adapters and channels, the discovery tables, the
// register engine and the channels built on it, and the description caches.
struct TransportSession {
  TransportSession(PacketBackend& backend, Clock& clock, std::ostream& errors, BusyIndicator& busy)
      : link(backend, errors), discovery(link, clock), engine(link, discovery, clock), access(engine, busy) {}

  Link link;
  Discovery discovery;
  RegisterEngine engine;
  SwitchAccess access;
  DescriptionCache cache;
  EepromBlocks blocks{access, cache};
};

}  // namespace velkor
