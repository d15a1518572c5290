#include "pages/vlan/tag_rules.h"

#include "device/message_table.h"
#include "device/model.h"
#include "pages/vlan/vlan_registers.h"

namespace velkor {

using namespace vlan_reg;

namespace {
constexpr uint32_t kFieldMask = 0x3;
constexpr const char* kNoRuleText = "--";
}  // namespace

std::string TagRuleText(int modelCode, uint32_t field, bool insertBit) {
  const bool g26a = modelCode == kModelG26A;
  switch (static_cast<TagRule>(field)) {
    case TagRule::kRemove:
      if (g26a || !insertBit) return std::string(Message(MessageId::kRemoveVlanTag));
      break;
    case TagRule::kInsert:
      if (g26a || insertBit) return std::string(Message(MessageId::kInsertVlanTag));
      break;
    case TagRule::kKeep:
      if (g26a || !insertBit) return std::string(Message(MessageId::kLeaveFrameUnchanged));
      break;
  }
  return kNoRuleText;
}

void QueueTagRegisters(VlanBatch& batch, int slots, bool insertBits) {
  for (int p = 0; p < slots; ++p) {
    batch.Queue(TagRegister(p));
    if (insertBits) batch.Queue(InsertRegister(p));
  }
}

std::string TagRuleTextOf(const VlanBatch& batch, int modelCode, int p) {
  const uint32_t field = batch.Bits(TagRegister(p), kFieldMask, TagShift(p));
  const bool insert = modelCode != kModelG26A && (batch.Value(InsertRegister(p)) & InsertBit(p)) != 0;
  return TagRuleText(modelCode, field, insert);
}

void SetTagRule(VlanBatch& batch, int p, TagRule rule) {
  batch.SetBits(TagRegister(p), kFieldMask << TagShift(p), static_cast<uint32_t>(rule) << TagShift(p));
  batch.SetBits(InsertRegister(p), InsertBit(p), rule == TagRule::kInsert ? InsertBit(p) : 0);
}

}  // namespace velkor
