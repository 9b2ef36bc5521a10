#include "device/ctl/CtlCommands.h"

namespace quillon::ctl {

void printHelp(std::ostream& out) {
    out << R"(Usage: quillonctl [OPTIONS] COMMAND [ARGUMENTS]

Talks to the mouse (0c45:7643), keyboard (0c45:6556, 0800, 7200) and mousepad (0c45:5004)
through their configuration interfaces. KIND is mouse, keyboard or mousepad.

Commands:
  list                      one line per configuration interface found:
                            KIND VVVV:PPPP PATH
  info KIND                 the 33 bytes of device information in hex, then the fields the
                            program uses (macro memory, key count, sensor and DPI values)
  read KIND                 reads the whole device as the program does when it connects and
                            prints the active profile, the current record, the five settings
                            records and (mouse, keyboard) the key tables in hex
  select KIND N             makes profile N (0..4) the active one (mouse, mousepad)
  write-settings KIND HEX   reads the device, puts HEX at the start of the current record
                            (at most 38 bytes for the mouse, 21 otherwise; pairs may be
                            separated by '.') and writes the record as the settings flush
                            does: one write of 56 bytes
  factory-reset KIND        restores the device's factory settings
  cursor KIND               reads the mouse's cursor-sequence image and prints its header and
                            the number of actions of each sequence

Options (before the command):
  --simulate[=KINDS]        use simulated devices instead of the system's: KINDS is a
                            comma-separated list (default: mouse,keyboard,mousepad). The
                            environment variable QUILLON_SIMULATE does the same.
  --trace FILE              append every report crossing a configuration interface to FILE,
                            one line each: KIND > HEX (request) or KIND < HEX (response)
  --sim-fault KIND:FAULT[:COUNT]
                            the next COUNT (default 1) requests to the simulated KIND meet
                            FAULT: silent, status-ff, status-fe or write-fail (repeatable)
  --sim-keys N              the simulated keyboard reports N keys (0..255)
  --sim-pid PID             the simulated keyboard's product id (e.g. 0x0800)
  -h, --help                this text

Exit status: 0 success; 1 the device is missing or a command failed (the result is named on
standard error); 2 a usage error.
)";
}

}  // namespace quillon::ctl
