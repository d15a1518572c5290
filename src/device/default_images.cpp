#include "device/default_images.h"

#include <initializer_list>

#include "device/eeprom_layout.h"
#include "device/model.h"
#include "transport/frame.h"

namespace velkor {

namespace {

// Places register words through the register image map; words not placed stay 0.
class ImageBuilder {
 public:
  ImageBuilder& Word(uint16_t reg, uint16_t value) { return Stride(reg, reg, 1, value); }

  // value into first, first + step, … up to last.
  ImageBuilder& Stride(uint16_t first, uint16_t last, uint16_t step, uint16_t value) {
    for (uint32_t reg = first; reg <= last; reg += step)
      if (const auto at = RegisterImageIndex(static_cast<uint16_t>(reg))) SetImageWord(image_, *at, value);
    return *this;
  }

  // Consecutive registers from first on.
  ImageBuilder& Series(uint16_t first, std::initializer_list<uint16_t> values) {
    for (uint16_t value : values) Word(first++, value);
    return *this;
  }

  // Gap bytes, from EEPROM address first on.
  ImageBuilder& Bytes(uint16_t first, std::initializer_list<uint8_t> values) {
    for (uint8_t value : values) image_[ImageIndexOf(first++)] = value;
    return *this;
  }

  const ConfigImage& Image() const { return image_; }

 private:
  ConfigImage image_{};
};

// What every default block shares: chip-wide settings, full advertisement on every port, the
// key, management VID 1, every port's tag rule "leave unchanged", and the F16 gap bytes.
ImageBuilder CommonWords() {
  ImageBuilder b;
  b.Word(0x0300, 0x0004)
      .Word(0x0307, 0x8200)  // no trunk group enabled
      .Word(0x0308, 0x0001)
      .Word(0x030B, 0x0001)  // port-based VLAN
      .Word(0x0607, 0x001C)
      .Stride(0x060A, 0x0615, 1, 0xAFAF)
      .Word(kKeyRegister, kAuthenticationKey)
      .Word(0x0318, 0x7001)
      .Stride(0x0319, 0x031B, 1, 0xFFFF)
      .Bytes(0x052, {0xEC, 0x06});
  return b;
}

// Port-based isolation around chip port 15: every entry up to 15 holds it, and its own entry
// (0x031D + 3e) holds every port.
ConfigImage SixteenPortBlock(std::initializer_list<uint16_t> portIndexes, uint16_t uplinkEntry) {
  return CommonWords()
      .Series(0x030C, portIndexes)
      .Stride(0x031D, 0x034A, 3, 0x8000)
      .Word(uplinkEntry, 0xFFFF)
      .Image();
}

const ConfigImage& BlockF16() {
  static const ConfigImage block = SixteenPortBlock(
      {0x0001, 0x0203, 0x0405, 0x0607, 0x0809, 0x0A0B, 0x0C0D, 0x0E0F, 0x1110, 0x1312, 0x1514, 0x1716},
      0x0347);
  return block;
}

const ConfigImage& BlockF8() {
  static const ConfigImage block = SixteenPortBlock(
      {0x0100, 0x0302, 0x0504, 0x0706, 0x0908, 0x0B0A, 0x0D0C, 0x0F0E, 0x1110, 0x1312, 0x1514, 0x1716},
      0x034A);
  return block;
}

// Isolation around chip port 23 (bit 7 of each entry's upper member word); its entry 22 holds
// chip ports 0-23.
const ConfigImage& BlockF24() {
  static const ConfigImage block = CommonWords()
                                       .Series(0x030C, {0x0001, 0x0203, 0x0405, 0x0607, 0x0809, 0x0A0B,
                                                        0x0C0D, 0x0E0F, 0x1011, 0x1213, 0x1415, 0x1617})
                                       .Stride(0x031E, 0x035D, 3, 0x0080)
                                       .Word(0x035F, 0xFFFF)
                                       .Word(0x0360, 0x00FF)
                                       .Word(0x0363, 0x0080)
                                       .Image();
  return block;
}

// The QX-G17A identifies as a 24 FE + 2 G chip, but which chip ports its panel wires is not known,
// so an isolation table built around one uplink could cut every port off. Its default keeps the
// chip-wide and per-port words of the others with the VLAN function off (the empty table and zero
// port indexes of the "disabled" mode), and gives the gigabit ports the same tag rule as the rest.
const ConfigImage& BlockG17() {
  static const ConfigImage block = CommonWords().Word(0x030B, 0x0000).Word(0x031C, 0x000F).Image();
  return block;
}

const ConfigImage& SecondSaveTemplate() {
  static const ConfigImage block =
      ImageBuilder()
          .Bytes(0x052, {0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F, 0x10, 0x11, 0x12, 0x13, 0x14, 0x15})
          .Bytes(0x062, {0x16, 0x17, 0xFF, 0xFF, 0xFF, 0xFF})
          .Bytes(0x06C, {0xFF, 0xFF, 0xFF, 0xFF})
          .Image();
  return block;
}

}  // namespace

const ConfigImage* DefaultBlockFor(int modelCode) {
  switch (modelCode) {
    case kModelF16A:
      return &BlockF16();
    case kModelF24A:
      return &BlockF24();
    case kModelF8A:
    case kModelF8B:
      return &BlockF8();
    case kModelG17A:
    case kModelG17AAlternate:
      return &BlockG17();
    default:
      return nullptr;
  }
}

const ConfigImage& SaveTemplateFor(int modelCode) {
  if (modelCode == kModelF16A) return BlockF16();
  if (modelCode == kModelF24A) return BlockF24();
  return SecondSaveTemplate();
}

}  // namespace velkor
