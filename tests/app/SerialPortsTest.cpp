// The port list from a fake sysfs and /dev tree.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ClfTestSupport.h"
#include "SerialPorts.h"

namespace fs = std::filesystem;

namespace {

struct FakeTree {
    void File(const std::string& path, const std::string& text = "") {
        fs::create_directories((root / path).parent_path());
        std::ofstream(root / path) << text << "\n";
    }
    void Link(const std::string& path, const std::string& target) {
        fs::create_directories((root / path).parent_path());
        fs::create_directory_symlink(target, root / path);
    }
    // A tty of a USB device: the device's names, its class entry, its device link and /dev node.
    void UsbTty(const std::string& usb, const std::string& port, const std::string& name,
                const std::string& maker, const std::string& product) {
        const std::string dev = "sys/devices/pci0000:00/usb1/" + usb;
        File(dev + "/idVendor", "0403");
        File(dev + "/manufacturer", maker);
        File(dev + "/product", product);
        File(dev + "/" + port + "/tty/" + name + "/dev", "188:0");
        Link(dev + "/" + port + "/tty/" + name + "/device",
             "../../../" + fs::path(port).filename().string());
        Link("sys/class/tty/" + name,
             "../../devices/pci0000:00/usb1/" + usb + "/" + port + "/tty/" + name);
        File("dev/" + name);
    }
    ScratchDir dir;
    fs::path root = dir.Path();
};

}  // namespace

TEST(SerialPorts, ListsUsbAcmAndRealUartsWithTheirMakerAndByIdPath) {
    FakeTree t;
    t.UsbTty("1-1", "1-1:1.0/ttyUSB0", "ttyUSB0", "FTDI", "FT232R USB UART");
    t.UsbTty("1-3", "1-3:1.0/ttyUSB10", "ttyUSB10", "Prolific", "");
    t.UsbTty("1-2", "1-2:1.0", "ttyACM0", "Acme", "Cloning Cable");
    t.Link("dev/serial/by-id/usb-FTDI_FT232R-if00-port0", "../../ttyUSB0");
    t.File("sys/class/tty/ttyS0/type", "4");  // a 16550A
    t.File("dev/ttyS0");
    t.File("sys/class/tty/ttyS1/type", "0");  // a placeholder
    t.File("dev/ttyS1");
    t.File("sys/class/tty/ttyS2/dev", "4:66");  // no type: decided by the driver
    t.File("sys/bus/platform/drivers/serial8250/bind");
    t.Link("sys/class/tty/ttyS2/device/driver", "../../../../bus/platform/drivers/serial8250");
    t.File("dev/ttyS2");
    t.File("sys/class/tty/ttyS3/type", "4");  // no /dev node: not present
    t.File("sys/class/tty/tty0/dev", "4:0");
    t.File("dev/tty0");

    std::vector<std::string> labels;
    std::vector<std::string> paths;
    for (const indSerialPort& p : SerialPorts::ListSerialPorts(t.root.string())) {
        labels.push_back(p.Label());
        paths.push_back(p.path);
    }
    EXPECT_EQ(labels, (std::vector<std::string>{
                          "/dev/ttyACM0 - Acme Cloning Cable",
                          "/dev/ttyS0",
                          "/dev/ttyUSB0 - FTDI FT232R USB UART",
                          "/dev/ttyUSB10 - Prolific",
                      }));
    EXPECT_EQ(paths, (std::vector<std::string>{
                         "/dev/ttyACM0",
                         "/dev/ttyS0",
                         "/dev/serial/by-id/usb-FTDI_FT232R-if00-port0",
                         "/dev/ttyUSB10",
                     }));
}

TEST(SerialPorts, AnEmptyOrMissingTreeListsNothing) {
    FakeTree t;
    EXPECT_TRUE(SerialPorts::ListSerialPorts(t.root.string()).empty());
    EXPECT_TRUE(SerialPorts::ListSerialPorts(t.root.string() + "/nonexistent").empty());
}
