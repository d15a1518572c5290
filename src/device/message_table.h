#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace velkor {

inline constexpr size_t kMessageCount = 100;

// The user messages and short words of the program, by their fixed numbers.
enum class MessageId : uint8_t {
  kVlanWriteFailed = 0,
  kInvalidVlanId = 1,
  kVlanGroupEmpty = 2,
  kTrunkSharesVlanGroup = 3,
  kVlanIdInUse = 4,
  kTrunkSharesEgressRule = 5,
  kMapTrunkToOneGroupFirst = 6,
  kGiveTrunkOneEgressRuleFirst = 7,
  kTrunkVlanRowPrefix = 8,  // followed by the row number and kTrunkVlanRowSuffix
  kTrunkVlanRowSuffix = 9,
  kNoSwitchDetected = 10,
  kTrunkMemberIsMirrored = 11,
  kTrunkMembersReset = 12,
  kConflictingPriority = 13,
  kVlanSettingFailed = 14,
  kConfirmMirrorPort = 15,
  kMirrorAndMirrored = 16,
  kTrunkMemberCannotMirror = 17,
  kManagementPortCannotMirror = 18,
  kConfirmFactoryReset = 19,
  kFactoryResetDone = 20,
  kConfirmSave = 21,
  kManagementPortInUse = 22,
  kConfirmVlanModeChange = 23,
  kInsertTagMeaningless = 24,
  kNoNetworkInterface = 25,
  kUnsupportedInterface = 26,
  kConnectionLost = 27,
  kCriticalOperationFailed = 28,
  kDisconnecting = 29,
  kSwitchInfoReadError = 30,
  kPasswordEmpty = 31,
  kPasswordWrong = 32,
  kConfirmPasswordRecovery = 33,
  kPasswordRecoveryFailed = 34,
  kPasswordRecovered = 35,
  kConfirmDisconnect = 36,
  kAskSave = 37,
  kConfirmPasswordChange = 38,
  kPasswordsDiffer = 39,
  kNewPasswordEmpty = 40,
  kPasswordChangeFailed = 41,
  kPasswordChanged = 42,
  kTrunkBlocksVlanListDelete = 43,
  kConfirmVlanListDelete = 44,
  kSaveDone = 45,
  kAskSaveOnExit = 46,
  kRecoveryCodeWrong = 47,
  kSwitchBusy = 48,
  kNoMemberSelected = 49,
  kConfirmExit = 50,
  kExportDone = 51,
  kImportDone = 52,
  kCurrentPasswordWrong = 53,
  kCaptionError = 54,
  kCaptionInformation = 55,
  kCaptionFailure = 56,
  kCaptionAttention = 57,
  kCaptionConfirm = 58,
  kLinkUp = 59,
  kLinkDown = 60,
  kEnabled = 61,
  kDisabled = 62,
  kYes = 63,
  kNo = 64,
  kOn = 65,
  kOff = 66,
  kNoLimit = 67,
  kAutonegotiation = 68,
  kBytes = 69,
  kFrames = 70,
  kCollisionFrames = 71,
  kErrorFrames = 72,
  kHighPriority = 73,
  kLowPriority = 74,
  kRemoveVlanTag = 75,
  kInsertVlanTag = 76,
  kLeaveFrameUnchanged = 77,
  kNormalLink = 78,
  kEmpty = 79,
  kIsolatedPort = 80,
  kVersionCaption = 81,
  kResumeRefreshing = 82,
  kStopRefreshing = 83,
  kUnknown = 84,
  kIpAddress = 85,
  kMacAddress = 86,
  kNotConnected = 87,
  kAddVlanGroup = 88,
  kVlanGroupMembers = 89,
  kRestoreAndSave = 90,
  kRestoreAndSaveKeepsPassword = 91,
  kSaving = 92,                    // ends with a space that is shown
  kRestoringFactorySettings = 93,  // ends with a space that is shown
  kNetworkCard = 94,
  // Added after the original table: switching off the port the computer manages the switch through
  // would leave the switch unreachable until it is powered off and on.
  kManagementPortCannotClose = 95,
  kCreateFileFailed = 96,
  kOpenFileFailed = 97,
  kConfigFileWrong = 98,
  // Added: an import replaces the switch's whole configuration, so it asks first.
  kConfirmImport = 99,
};

// The UTF-8 text of entry number; empty beyond the table.
std::string_view Message(size_t number);
std::string_view Message(MessageId id);

}  // namespace velkor
