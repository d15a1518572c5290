#include "pages/ports/read_back.h"

#include "transport/confirmed_read.h"

namespace velkor {

Outcome ReadBack(RegisterEngine& engine, const std::function<Outcome()>& readBack) {
  const Outcome first = readBack();
  if (first != Outcome::kNotVerified) return first;
  if (!ReadFence(engine)) return Outcome::kNoAnswer;
  return readBack();
}

}  // namespace velkor
