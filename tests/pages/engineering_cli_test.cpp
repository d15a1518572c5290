// velkorctl's engineering commands against an emulated switch, on virtual time.

#include <gtest/gtest.h>

#include "cli/exit_codes.h"
#include "support/emulated_ctl.h"

namespace velkor::cli {
namespace {

using EngineeringCliTest = testing::EmulatedCtlTest;

TEST_F(EngineeringCliTest, SetMacAsksWritesAndReadsBack) {
  Start(2);
  terminal.interactive = false;
  EXPECT_EQ(Run({"set-mac", "02:AA:BB:CC:DD:EE", "--password", "vemix"}), kExitNotConnected) << err.str();
  EXPECT_EQ(Switch().Eeprom().Byte(0x013), 0x10) << "not confirmed, not changed";
  terminal.interactive = true;
  EXPECT_EQ(Run({"set-mac", "02:AA:BB:CC:DD:EE", "--yes", "--json"}), kExitOk) << err.str();
  EXPECT_EQ(out.str(), "{\"mac\": \"02:AA:BB:CC:DD:EE\"}\n");
  EXPECT_EQ(Switch().Eeprom().Byte(0x017), 0xEE);
  Switch().Eeprom().StickByte(0x015);
  EXPECT_EQ(Run({"set-mac", "02:00:00:00:00:01", "--yes"}), kExitFailure);
  EXPECT_TRUE(Says(err, "MAC Address Reads Back As 02-00-00-CC-00-01"));
  EXPECT_EQ(Run({"set-mac", "02:00:00:00:00"}), kExitUsage);
}

TEST_F(EngineeringCliTest, SetMacIsRefusedOnAnotherChipFamily) {
  Start(4);
  EXPECT_EQ(Run({"set-mac", "02:AA:BB:CC:DD:EE", "--yes"}), kExitRefused);
  EXPECT_EQ(Switch().Eeprom().Byte(0x013), 0x10);
}

TEST_F(EngineeringCliTest, ChipAndVlanRawShowThePagesLists) {
  Start(2);
  EXPECT_EQ(Run({"chip", "--json"}), kExitOk) << err.str();
  EXPECT_EQ(
      out.str(),
      "{\"chip\": \"8324\", \"model\": \"16FE+1G\", \"panel\": \"Type 4\", \"mcu\": \"No\", \"eeprom\": "
      "\"Yes\", \"gigaphy1\": \"10/100\", \"gigaphy2\": \"10/100\"}\n");
  EXPECT_EQ(Run({"vlan-raw", "--json"}), kExitOk) << err.str();
  EXPECT_TRUE(Says(out, "{\"kind\": \"port\", \"port\": \"08\", \"vlan\": "));
  EXPECT_TRUE(Says(out, "{\"kind\": \"entry\", \"entry\": 31, \"vid\": "));
}

}  // namespace
}  // namespace velkor::cli
