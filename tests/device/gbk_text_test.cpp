#include "device/gbk_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace velkor {
namespace {

TEST(GbkText, DamagedFieldsShowWhatCanBeShown) {
  const std::vector<uint8_t> field{0xBB, 0xFA, 0xFF, 'a', 0xD2, 0, 'x'};  // 机, an invalid byte, a, half
  EXPECT_EQ(GbkToUtf8(field), "机?a");
}

TEST(GbkText, AConverterThatCannotBeOpenedStillEnds) {
  const std::vector<uint8_t> field{'P', 'o', 'r', 't', 0xBB, 0xFA, 0};
  EXPECT_EQ(TextToUtf8(field, "NO-SUCH-CHARSET"), "Port??");
  EXPECT_EQ(TextToUtf8({}, "NO-SUCH-CHARSET"), "");
  EXPECT_EQ(Utf8ToCharset("机房", "NO-SUCH-CHARSET"), "机房");
}

// Converters are kept between conversions: one that ended in a stateful character set's shifted
// state must not change how the next one starts.
TEST(GbkText, EachConversionStartsAfresh) {
  const std::string first = Utf8ToCharset("机房", "ISO-2022-JP");
  EXPECT_EQ(first.substr(0, 3), "\x1B$B");
  EXPECT_EQ(Utf8ToCharset("机房", "ISO-2022-JP"), first);
}

}  // namespace
}  // namespace velkor
