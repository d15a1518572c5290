#pragma once

namespace velkor {

// How an operation on the switch ended. Page logic returns it; the window shows the message that
// belongs to it and velkorctl turns it into an exit code. Nothing decides success from the text of
// a message box.
enum class Outcome {
  kDone,          // carried out, and verified wherever the operation can read back
  kNotConfirmed,  // the user did not answer Yes: nothing was done
  kRefused,       // the rules do not allow it (trunk member, management port): nothing was written
  kNoAnswer,      // some reads went unanswered, so nothing was written; the connection stays
  kNotVerified,   // written, but what reads back differs
  kSwitchLost,    // the switch stopped answering and the connection ended
  kFatal,         // the switch's stored settings may be damaged; the program says so and ends
};

}  // namespace velkor
