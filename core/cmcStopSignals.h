#pragma once
// How a program told to quit (SIGINT, SIGTERM, SIGHUP) ends its work at a safe
// point. While a cmcStopSignals object lives, the first such signal only raises
// the stop request, which the running work polls (indCloneMan's stop request
// ends an exchange at a frame boundary and closes the port); a second one ends
// the program at once, as that signal does by default.

class cmcStopSignals {
  public:
    // Installs the handlers (without SA_RESTART, so that a blocking read on
    // the terminal returns) and clears the request.
    cmcStopSignals();
    // Restores the handlers found at installation and clears the request.
    ~cmcStopSignals();
    cmcStopSignals(const cmcStopSignals&) = delete;
    cmcStopSignals& operator=(const cmcStopSignals&) = delete;

    // The first stop signal received since installation, 0 when none.
    static int Received();
};
