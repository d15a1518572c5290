#include "pages/vlan/tag_rules.h"

#include "device/message_table.h"
#include "device/model.h"
#include "pages/vlan/vlan_registers.h"

namespace velkor {

using namespace vlan_reg;

namespace {
constexpr uint32_t kFieldMask = 0x3;
constexpr const char* kNoRuleText = "--";

std::string RuleText(std::optional<TagRule> rule) {
  if (!rule) return kNoRuleText;
  switch (*rule) {
    case TagRule::kRemove:
      return std::string(Message(MessageId::kRemoveVlanTag));
    case TagRule::kInsert:
      return std::string(Message(MessageId::kInsertVlanTag));
    case TagRule::kKeep:
      break;
  }
  return std::string(Message(MessageId::kLeaveFrameUnchanged));
}
}  // namespace

std::optional<TagRule> DecodeTagRule(int modelCode, uint32_t field, bool insertBit) {
  const bool g26a = modelCode == kModelG26A;
  const auto rule = static_cast<TagRule>(field);
  switch (rule) {
    case TagRule::kRemove:
    case TagRule::kKeep:
      if (g26a || !insertBit) return rule;
      break;
    case TagRule::kInsert:
      if (g26a || insertBit) return rule;
      break;
  }
  return std::nullopt;
}

std::optional<TagRule> TagRuleOf(const RegisterValues& values, int modelCode, int p) {
  const uint32_t field = values(TagRegister(p)).value_or(0) >> TagShift(p) & kFieldMask;
  const bool insert = modelCode != kModelG26A && (values(InsertRegister(p)).value_or(0) & InsertBit(p)) != 0;
  return DecodeTagRule(modelCode, field, insert);
}

std::string TagRuleText(int modelCode, uint32_t field, bool insertBit) {
  return RuleText(DecodeTagRule(modelCode, field, insertBit));
}

void QueueTagRegisters(VlanBatch& batch, int slots, bool insertBits) {
  for (int p = 0; p < slots; ++p) {
    batch.Queue(TagRegister(p));
    if (insertBits) batch.Queue(InsertRegister(p));
  }
}

std::string TagRuleTextOf(const VlanBatch& batch, int modelCode, int p) {
  return RuleText(TagRuleOf(batch.Values(), modelCode, p));
}

void SetTagRule(VlanBatch& batch, int p, TagRule rule) {
  batch.SetBits(TagRegister(p), kFieldMask << TagShift(p), static_cast<uint32_t>(rule) << TagShift(p));
  batch.SetBits(InsertRegister(p), InsertBit(p), rule == TagRule::kInsert ? InsertBit(p) : 0);
}

}  // namespace velkor
