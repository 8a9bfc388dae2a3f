#pragma once
// The clone commands on a document, with the simulated radio on the serial
// double and everything on virtual time: events, message boxes (scripted) and
// the clone manager's tasks.

#include <memory>
#include <string>
#include <vector>

#include "ScopedOverride.h"
#include "SimOnDouble.h"
#include "VirtualTime.h"
#include "cmcEvMan.h"
#include "cmcMessageBoxHost.h"
#include "cmcScriptedMessageBox.h"
#include "indCloneCommands.h"
#include "indCloneMan.h"
#include "indDocument.h"

class CommandFixture {
  public:
    explicit CommandFixture(SimConfig config = SimOnDouble::DefaultConfig());
    ~CommandFixture();

    // Runs the started command to its end (bounded); true when it ended.
    bool RunCommand();
    // Puts channel 0 in use with 145.500 MHz receive and transmit (current encoding).
    void UseChannel0();
    // Whether the program sent a request with this command byte.
    int Requests(uint8_t command) const;
    // The texts of the boxes shown, in order.
    std::vector<std::string> BoxTexts() const;

    VirtualTime time;
    cmcEvMan events{&time.host};
    cmcScriptedMessageBox boxes;
    cmcSerialDouble* device;
    std::unique_ptr<SimOnDouble> sim;
    std::unique_ptr<indCloneMan> man;
    indLinkSettings link{1, false, "/dev/ttyTEST%d"};
    indDocument doc;
    std::unique_ptr<indCloneCommands> commands;
    int sheetsClosed = 0;
    int infoWindows = 0;
    std::vector<int> outcomes;

  private:
    ScopedOverride<cmcMessageBoxHost> boxOverride_{SetCurrentMessageBoxHost, &boxes};
    ScopedOverride<cmcEvMan> eventsOverride_{SetEvMan, &events};
};

SimConfig SimWithFault(const std::string& fault, int mapRevision = 3);
