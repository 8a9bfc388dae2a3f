// verify FILE: Open's checks; exit status 0 when the file would open, else
// the status of its clone-file result code, the overlay's message on stderr.

#include "cliCommand.h"
#include "indDocument.h"

int CmdVerify(const cliArgs& args) {
    indDocument doc;
    doc.Start();
    cmcEeprom scratch;
    return ExitStatus::ForCloneFile(doc.ReadForOpen(args.positional[0], scratch));
}
