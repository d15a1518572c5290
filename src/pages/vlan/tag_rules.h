#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "pages/vlan/vlan_batch.h"

namespace velkor {

// The output tag field's values; the program never writes 1.
enum class TagRule : uint32_t { kRemove = 0, kInsert = 2, kKeep = 3 };

// The rule a port's tag field and insert bit make; none for a pair the program never writes. The
// QX-G26A has no insert bits, so its field alone decides.
std::optional<TagRule> DecodeTagRule(int modelCode, uint32_t field, bool insertBit);
// Chip port p's rule from the values of its registers.
std::optional<TagRule> TagRuleOf(const RegisterValues& values, int modelCode, int p);
// The rule column's text for a port's tag field and insert bit; "--" for no rule.
std::string TagRuleText(int modelCode, uint32_t field, bool insertBit);

// Queues the tag field and insert bit registers of every chip port below slots.
void QueueTagRegisters(VlanBatch& batch, int slots, bool insertBits);
// The rule text of chip port p from a batch that holds its registers.
std::string TagRuleTextOf(const VlanBatch& batch, int modelCode, int p);
// Sets chip port p to rule: its field, and its insert bit exactly when the rule inserts.
void SetTagRule(VlanBatch& batch, int p, TagRule rule);

}  // namespace velkor
