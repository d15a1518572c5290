#pragma once

#include <functional>

#include "device/outcome.h"
#include "transport/register_engine.h"

namespace velkor {

// Verifies a write by reading it back. The read-back may take a stale copy of a reply from before the
// write, so one that does not show the change (kNotVerified) is not the answer yet: after a fence
// read, a second read-back gets what the registers held at the first one or later, and decides.
// readBack reads and compares; any other outcome of it stands.
Outcome ReadBack(RegisterEngine& engine, const std::function<Outcome()>& readBack);

}  // namespace velkor
