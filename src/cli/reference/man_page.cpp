#include "cli/reference/man_page.h"

#include <string>

#include "cli/command.h"
#include "cli/command_help.h"
#include "cli/exit_codes.h"
#include "cli/reference/synopsis_words.h"

namespace velkor::cli {
namespace {

struct ExitStatus {
  int code;
  const char* meaning;
};

constexpr ExitStatus kExitStatuses[] = {
    {kExitOk, "done"},
    {kExitFailure, "the operation ran, but what it wrote does not read back"},
    {kExitUsage, "usage error; nothing was sent"},
    {kExitNoInterface, "no such interface, or none to pick from"},
    {kExitNoPermission, "raw capture is not allowed to this user (see PERMISSIONS)"},
    {kExitNoSwitch, "no switch answered, or not the one asked for"},
    {kExitSwitchLost, "the switch stopped answering; also when a value it did not give is printed as ?"},
    {kExitCannotOpen, "the capture library cannot list, open or filter the adapter"},
    {kExitNotConnected,
     "not connected or not confirmed: password refused, a question answered no, or the switch could not "
     "be identified"},
    {kExitRefused,
     "refused by the switch's rules or the page's checks (a member of an enabled trunk group, the "
     "management port, a VID in use); nothing was written"},
};

// Roff reads a backslash as an escape and a leading dot or quote as a request; a hyphen is written
// \- so that options can be searched for and copied.
std::string Roff(std::string_view text) {
  std::string out;
  if (!text.empty() && (text.front() == '.' || text.front() == '\'')) out += "\\&";
  for (char c : text) {
    if (c == '\\') {
      out += "\\e";
    } else if (c == '-') {
      out += "\\-";
    } else {
      out += c;
    }
  }
  return out;
}

void WriteCommands(std::ostream& out) {
  out << ".SH COMMANDS\n";
  for (const Command& command : AllCommands()) {
    const SynopsisParts parts = PartsOf(command);
    const std::string_view name = command.name;
    out << ".TP\n.B " << Roff(name) << "\n";
    const std::string_view rest = std::string_view(parts.usage).substr(name.size());
    out << (rest.empty() ? std::string("Takes no operands.") : Roff(rest.substr(rest.front() == ' ')));
    out << "\n";
    if (!parts.note.empty()) out << ".br\n" << Roff(parts.note) << "\n";
    if (const CommandHelp* help = HelpOf(name))
      out << ".br\n" << Roff(help->description) << "\n.br\nExample:\n.B " << Roff(help->example) << "\n";
  }
}

void WriteExitStatus(std::ostream& out) {
  out << ".SH EXIT STATUS\n";
  for (const ExitStatus& status : kExitStatuses)
    out << ".TP\n.B " << status.code << "\n" << Roff(status.meaning) << "\n";
}

}  // namespace

void WriteManPage(std::ostream& out, std::string_view version) {
  out << ".TH VELKORCTL 1 \"\" \"velkorctl " << Roff(version) << "\" \"User Commands\"\n"
      << R"(.SH NAME
velkorctl \- manage Velkor smart Ethernet switches over raw layer\-2 frames
.SH SYNOPSIS
.B velkorctl
.I COMMAND
.RI [ OPERANDS ]
.RB [ \-\-iface
.IR NAME ]
.RB [ \-\-switch
.IR MAC ]
.RB [ \-\-password
.IR PASSWORD " | " \fB\-\-password\-file\fR " " FILE ]
.RB [ \-\-yes ]
.RB [ \-\-json ]
.br
.B velkorctl help
.RI [ COMMAND ]
.br
.B velkorctl
.I COMMAND
.B \-\-help
.SH DESCRIPTION
.B velkorctl
is the command\-line companion of
.BR velkor\-manager .
It finds the switches on the segment of one Ethernet adapter with a broadcast hello and manages one
of them by reading and writing its chip registers and its configuration EEPROM, with the same rules
as the desktop program's pages. The switches have no IP address; everything travels as raw Ethernet
frames of EtherType 0x8899.
.PP
Every command that talks to one switch logs in first, as the desktop program's connect dialog does:
the switch is identified, its model byte checked and its connection password compared (the QX\-G26A
has none). Changes act on the chip at once and survive a power cycle only after
.BR "velkorctl save" .
.SH OPTIONS
.TP
.BI \-\-iface " NAME"
The adapter the switches are attached to; may be left out when there is only one.
.TP
.BI \-\-switch " MAC"
The switch to manage, by its MAC address; may be left out when only one answers.
.TP
.BI \-\-password " PASSWORD"
The connection password (at most six characters, case\-sensitive).
.TP
.BI \-\-password\-file " FILE"
Reads the password from the first line of FILE, which keeps it out of the process list.
.TP
.B \-\-yes
Answers the program's questions with yes. Without it, questions are asked at a terminal and answered
no without one.
.TP
.B \-\-json
Prints JSON instead of text, for scripts (see OUTPUT).
.TP
.BR \-\-help ", " \-h
Prints the usage, or with a command that command's synopsis, options and an example.
.SH OUTPUT
Lists print as a table with a header and one aligned row per port or per switch
.RB ( ports ", " stats ", " status ", " discover );
a single record prints as
.I key: value
lines. Messages of the switch's rules and questions print in the terminal's character set; a
terminal that cannot show Chinese (LANG=C) gets each message's number and its English meaning.
.PP
With
.BR \-\-json ,
every command prints JSON on standard output: an object, or an array with one object per port or
switch; a command that prints nothing else prints
\fB{"done": true}\fR.
Values are English keywords and numbers: ports by their front\-panel names ("1", "G1"), states as
.BR on / off " and " up / down ,
counter units as words, the model as its name and
.BR model_code .
A failure prints
\fB{"error": {"code": \fIN\fB, "message": \fITEXT\fB}}\fR
with N the exit status, which stays as listed under EXIT STATUS.
)";
  WriteCommands(out);
  out << R"(.SH PORTS
Ports are named as on the switch's front panel:
.BR 1 \(en 24
and
.BR G1 ", " G2 ,
in lists such as
.B 1,3\-5,G1
or
.BR all .
A list that no model could have (such as
.BR 0 ", " G3 " or " 1\- )
is refused with status 2 before anything is sent.
.B \-\-state
takes
.BR on | off
or
.BR up | down .
Numbers are decimal or 0x hexadecimal.
.SH ENVIRONMENT
.TP
.B VELKOR_PASSWORD
The connection password, when neither option gives one.
)";
  WriteExitStatus(out);
  out << R"(.SH PERMISSIONS
Sending and receiving raw frames needs the capabilities CAP_NET_RAW and CAP_NET_ADMIN. The Debian
package grants them to
.B velkorctl
and
.B velkor\-manager
when it is installed, so any user can run both. A build of one's own is given them with
.PP
.EX
sudo setcap cap_net_raw,cap_net_admin+ep velkorctl
.EE
.SH EXAMPLES
.EX
velkorctl discover \-\-iface eth1
velkorctl info \-\-switch 00:E0:4C:16:00:01 \-\-password\-file ~/.velkor
velkorctl port\-set 1\-4 \-\-rx 2m \-\-tx 2m
velkorctl stats all \-\-watch 3x10
velkorctl save
.EE
.SH SEE ALSO
.BR setcap (8)
)";
}

}  // namespace velkor::cli
