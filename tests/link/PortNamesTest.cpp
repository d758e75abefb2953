#include "port/PortNames.h"
#include "TestUtil.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(PortNamesTest, RangesAndMappingsGiveStableNames) {
    QTemporaryDir dir;
    WriteFileBytes(dir.filePath("SysInfo.Ini"),
                   "[SysInfo]\nCom=COM7\n[Ports]\nCOM7=/dev/serial/by-id/usb-cable\ncom150=/tmp/x\n"
                   "Other=/dev/null\n");
    const PortNames names(dir.filePath("SysInfo.Ini"));
    struct Case {
        const char* name;
        const char* device;
    } cases[] = {
        {"COM1", "/dev/ttyS0"},
        {"com3", "/dev/ttyS2"},
        {"COM100", "/dev/ttyS99"},
        {"COM101", "/dev/ttyUSB0"},
        {"COM112", "/dev/ttyUSB11"},
        {"COM201", "/dev/ttyACM0"},
        {"COM7", "/dev/serial/by-id/usb-cable"},
        {"COM150", "/tmp/x"},
        {"/dev/pts/4", "/dev/pts/4"},
        {"COM0", ""},
        {"COM257", ""},
        {"Com", ""},
        {"LPT1", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(names.DeviceFor(c.name), QString::fromLatin1(c.device)) << c.name;
    EXPECT_EQ(names.NameFor("/dev/ttyS0"), "COM1");
    EXPECT_EQ(names.NameFor("/dev/ttyUSB3"), "COM104");
    EXPECT_EQ(names.NameFor("/dev/ttyACM1"), "COM202");
    EXPECT_EQ(names.NameFor("/dev/serial/by-id/usb-cable"), "COM7");
    EXPECT_EQ(names.NameFor("/dev/ttyS6"), ""); // COM7 is taken by the mapping
    EXPECT_EQ(names.NameFor("/dev/pts/9"), "");
    EXPECT_EQ(PortNames::NumberOf("COM12"), std::optional<int>(12));
    EXPECT_FALSE(PortNames::NumberOf("COM1x"));
}

} // namespace
