#include "SimOnDouble.h"

#include "SimImageFile.h"

SimOnDouble::SimOnDouble(cmcSerialDouble& device, SimConfig config)
    : device_(device), radio_(std::move(config)) {
    device_.onWrite = [this](const uint8_t* bytes, int length) { Take(bytes, length); };
}

SimConfig SimOnDouble::DefaultConfig(int mapRevision) {
    SimConfig config;
    config.mapRevision = mapRevision;
    DefaultSimImage(config.image, mapRevision);
    config.info.assign(38, 0);
    config.info[34] = 0x40;
    return config;
}

void SimOnDouble::Take(const uint8_t* bytes, int length) {
    radio_.Receive(bytes, length, device_.Line().baud);
    std::vector<uint8_t> frame;
    while (radio_.TakeFrame(frame)) {
        device_.Feed(frame);
    }
    if (radio_.StopsReading()) {
        device_.outputCount = StalledOutput;  // what it was sent stays unsent for good
    }
    if (radio_.WantsHangUp()) {
        device_.HangUp();
        radio_.Hung();
    }
}
