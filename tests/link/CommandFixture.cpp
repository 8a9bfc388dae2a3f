#include "CommandFixture.h"

#include <gtest/gtest.h>

#include "ChLayout.h"
#include "cmcScriptedMessageBox.h"

CommandFixture::CommandFixture(SimConfig config) {
    auto d = std::make_unique<cmcSerialDouble>();
    device = d.get();
    sim = std::make_unique<SimOnDouble>(*device, std::move(config));
    man = std::make_unique<indCloneMan>(std::move(d));
    man->SetLinkSettings([this] { return link; });
    doc.Start();
    commands = std::make_unique<indCloneCommands>(doc, *man);
    commands->SetHooks({[this] { ++sheetsClosed; }, [this] { ++infoWindows; }});
    commands->SetFinished([this](int outcome) { outcomes.push_back(outcome); });
}

CommandFixture::~CommandFixture() {
    commands.reset();
    man.reset();
}

bool CommandFixture::RunCommand() {
    return time.host.AdvanceUntil([&] { return !commands->IsRunning(); }, 300000);
}

void CommandFixture::UseChannel0() {
    // 145.500 MHz = 232800 steps of 625 Hz.
    const uint8_t frequency[] = {0x03, 0x8D, 0x60, 0x03, 0x8D, 0x60};
    doc.WorkingImage().WriteBlock(ChLayout::ChannelAddress(0), frequency, 6);
}

int CommandFixture::Requests(uint8_t command) const {
    const std::vector<uint8_t> request = {0xEE, 0xEF, command, 0x23, 0x36, 0x00, 0x00, 0xFD};
    int n = 0;
    auto at = device->written.begin();
    while ((at = std::search(at, device->written.end(), request.begin(), request.end())) !=
           device->written.end()) {
        ++n;
        ++at;
    }
    return n;
}

std::vector<std::string> CommandFixture::BoxTexts() const {
    std::vector<std::string> texts;
    for (const cmcScriptedMessageBox::Shown& b : boxes.Boxes()) {
        texts.push_back(b.text);
    }
    return texts;
}

SimConfig SimWithFault(const std::string& fault, int mapRevision) {
    SimConfig c = SimOnDouble::DefaultConfig(mapRevision);
    std::string error;
    EXPECT_TRUE(AddFault(fault, c.faults, error)) << error;
    return c;
}
