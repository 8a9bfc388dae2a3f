// The explanations of device errors, alone and in the failure message of an exchange.

#include <gtest/gtest.h>

#include <errno.h>
#include <grp.h>
#include <unistd.h>

#include <fstream>
#include <memory>
#include <string>

#include "ClfTestSupport.h"
#include "ScopedOverride.h"
#include "SerialProblem.h"
#include "VirtualTime.h"
#include "cmcMessageBoxHost.h"
#include "cmcSerialDouble.h"
#include "dst_CDrv_Result.h"
#include "indCloneMan.h"

namespace {

// A device file owned by the group "dialout" when the system has one.
struct FakeDevice {
    FakeDevice() : path(dir.File("ttyFAKE0")) {
        std::ofstream(path) << "";
        const struct group* g = getgrnam("dialout");
        if (g != nullptr && chown(path.c_str(), static_cast<uid_t>(-1), g->gr_gid) == 0) {
            group = "dialout";
        } else if (const struct group* own = getgrgid(getegid()); own != nullptr) {
            group = own->gr_name;
        }
    }
    ScratchDir dir;
    std::string path;
    std::string group;
};

}  // namespace

TEST(SerialProblem, EachDeviceErrorGetsItsExplanation) {
    const FakeDevice device;
    const std::string gone = device.dir.File("ttyGONE0");
    struct Case {
        CloneResult code;
        bool present;
        int error;
        std::string expected;  // a part of the text; "" for no text
    } cases[] = {
        {CloneResult::PortFailed, true, EACCES, "belongs to the group " + device.group + ","},
        {CloneResult::PortFailed, true, EPERM, "sudo usermod -aG " + device.group + " $USER"},
        {CloneResult::PortFailed, true, EACCES, "log out and in again"},
        {CloneResult::PortFailed, true, EACCES, "udev rule"},
        {CloneResult::PortFailed, false, ENOENT, gone + " does not exist"},
        {CloneResult::PortFailed, false, 0, " does not exist"},
        {CloneResult::PortFailed, true, EBUSY, "in use by another program"},
        {CloneResult::PortFailed, true, ENOTTY, ""},
        {CloneResult::LineLost, true, EIO, "went away during the transfer"},
        {CloneResult::WriteFailed, true, ENXIO, "went away during the transfer"},
        {CloneResult::LineLost, false, 0, gone + " went away"},
        {CloneResult::LineLost, true, 0, ""},
        {CloneResult::TimeOut, false, ENOENT, ""},
    };
    for (const Case& c : cases) {
        const std::string& path = c.present ? device.path : gone;
        const std::string text = SerialProblemText(c.code, path, c.error);
        if (c.expected.empty()) {
            EXPECT_EQ(text, "") << CodeNumber(c.code) << " " << c.error;
        } else {
            EXPECT_NE(text.find(c.expected), std::string::npos) << text;
            EXPECT_EQ(text.find('%'), std::string::npos) << text;
        }
    }
}

TEST(SerialProblem, TheExchangeMessageCarriesIt) {
    const FakeDevice device;
    VirtualTime time;
    cmcScriptedMessageBox boxes;
    ScopedOverride<cmcMessageBoxHost> boxOverride{SetCurrentMessageBoxHost, &boxes};
    auto d = std::make_unique<cmcSerialDouble>();
    d->failOpen = true;
    d->errorNumber = EACCES;
    indCloneMan man(std::move(d));
    man.SetInformationHandler([](dst_CDrv_Result&) {});
    man.SetLinkSettings([&] { return indLinkSettings{1, false, device.path}; });
    ASSERT_TRUE(man.StartInformation(nullptr));
    ASSERT_TRUE(time.host.AdvanceUntil([&] { return !man.IsBusy(); }, 10000));
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    const std::string& text = boxes.Boxes()[0].text;
    const std::string headline = text.substr(0, text.find('\n'));
    EXPECT_NE(headline.find(device.path), std::string::npos) << text;
    EXPECT_NE(text.find("sudo usermod -aG " + device.group), std::string::npos) << text;
}
