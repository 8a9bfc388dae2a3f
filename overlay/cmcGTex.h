#pragma once
// The text table over the overlay file: every user-visible text and every
// layout of sheets, menus, tree and tool bar is looked up here by index name.
// The file is read lazily: section headers are indexed as far as a lookup
// needs, body lines are reached by seeking to remembered positions.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "cmcMessageBoxHost.h"

class cmcGTex {
  public:
    cmcGTex();
    ~cmcGTex();
    cmcGTex(const cmcGTex&) = delete;
    cmcGTex& operator=(const cmcGTex&) = delete;

    // Set the source once: a file, or an array of lines (without line ends) that
    // the caller keeps alive. Return false when a source was already set.
    bool SetFile(const std::string& name);
    bool SetLines(const std::vector<std::string>* lines);

    // Body line index of section name, without its line end. A missing section
    // or a read past the end of the source is fatal (internal error box).
    std::string GetText(const std::string& name, int index = 0);
    // Body lines 0, 1, ... up to the first line beginning with "#".
    std::vector<std::string> BodyLines(const std::string& name);
    // BodyLines joined with line feeds.
    std::string GetLines(const std::string& name);
    // Whether the section exists (never fatal).
    bool HasSection(const std::string& name);

    // What reading has cost so far (tests and tools): bytes read from the
    // file, body lines read by lookups, how many of those the line cache
    // served, and the section headers indexed.
    struct Stats {
        uint64_t bytesRead = 0;
        uint64_t linesRead = 0;
        uint64_t cacheHits = 0;
        size_t sectionsIndexed = 0;
    };
    Stats GetStats() const;

  private:
    struct Impl;
    Impl* impl_;
};

// The program-wide text table over "<data folder>ORVANE.OVL" (created on
// first use unless replaced).
cmcGTex& GTex();
// Replaces the program-wide text table (tests, tools); nullptr restores the default.
cmcGTex* SetGTex(cmcGTex* table);
// "<data folder>ORVANE.OVL" (see DataDirectory.h).
std::string DefaultOverlayPath();

// A user message box: caption "GI_Sys_AppTitle", the given text, through the current host.
cmcMbResult ShowMessage(const std::string& text, cmcMbButtons buttons, cmcMbIcon icon);

// pattern with each "%s" replaced by the next value, in order; a "%s" inside a
// value is not replaced again.
std::string FillPattern(std::string pattern, std::initializer_list<std::string> values);
