#include "CliFixture.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

namespace {

using CliTest = CliFixture;

TEST_F(CliTest, NewInfoExportImportRoundTrip) {
    CliRun r = cli({"new", "-o", "vhf.dat", "--model", "7524", "--band", "136 - 150MHz"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QByteArray saved = ReadFileBytes(path("vhf.dat"));
    ASSERT_EQ(saved.size(), 992);
    EXPECT_EQ(saved.left(14), QByteArray::fromHex("5037353234"
                                                  "136150"
                                                  "E807"
                                                  "0605"
                                                  "0E07"));

    r = cli({"info", "vhf.dat"});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.contains("model: 7524 QX7(VHF)"));
    EXPECT_TRUE(r.out.contains("band: 136 - 150MHz"));
    EXPECT_TRUE(r.out.contains("saved: 2024-06-05 14:07"));
    EXPECT_TRUE(r.out.contains("channels in use: 0 of 16"));

    // Edit the exported text, import it, and export it again.
    r = cli({"export", "vhf.dat"});
    ASSERT_EQ(r.status, 0);
    QString json = r.out;
    json.replace("\"channels\": []",
                 "\"channels\": [\n    {\"channel\": 3, \"rx\": \"145.50000\", \"tx\": null, "
                 "\"decode\": \"D023N\", \"encode\": null, \"power\": \"Low\", \"bandwidth\": "
                 "\"Narrow\", \"scan_add\": \"No\", \"beat_shift\": \"Yes\", \"busy_lockout\": "
                 "\"No\"}\n  ]");
    json.replace("\"line2\": \"\"", "\"line2\": \"CQ 42\"");
    WriteFileBytes(path("in.json"), json.toUtf8());
    r = cli({"import", "in.json", "-o", "out.dat"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.isEmpty());
    r = cli({"export", "out.dat", "--format", "json", "-o", "again.json"});
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(QString::fromUtf8(ReadFileBytes(path("again.json"))), json);
}

TEST_F(CliTest, RefusedInputWritesNothing) {
    WriteFileBytes(path("bad.json"), "{\"model\": \"8524\"}");
    CliRun r = cli({"import", "bad.json", "-o", "x.dat"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains("bad.json")) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("missing key \"band\""));
    EXPECT_FALSE(QFile::exists(path("x.dat")));

    WriteFileBytes(path("short.dat"), QByteArray(200, '\xFF'));
    r = cli({"info", "short.dat"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains("short.dat"));
    r = cli({"export", "absent.dat"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains("absent.dat"));
}

TEST_F(CliTest, WrongUsageExitsWithOne) {
    for (const QStringList& args :
         {QStringList{}, QStringList{"frobnicate"}, QStringList{"new"},
          QStringList{"new", "-o", "a.dat", "--model", "1234"},
          QStringList{"new", "-o", "a.dat", "--band", "136 - 150MHz"}, QStringList{"info"},
          QStringList{"export", "a.dat", "--format", "xml"}, QStringList{"import", "in.json"},
          QStringList{"import", "in.json", "-o", "a.dat", "--skip-invalid"},
          QStringList{"import", "in.csv", "-o", "a.dat", "--model", "9999"},
          QStringList{"import", "in.csv", "-o", "a.dat", "--model", "7524", "--base", "b.dat"},
          QStringList{"diff", "a.dat"}, QStringList{"diff", "a.dat", "b.dat", "c.dat"}}) {
        const CliRun r = cli(args);
        EXPECT_EQ(r.status, 1) << args.join(' ').toStdString();
    }
    EXPECT_FALSE(QFile::exists(path("a.dat")));
}

// A serial device the user may not open: listed, and refused with the fix named.
TEST_F(CliTest, DiffComparesDataFilesAndJsonAndExitsWithFiveOnADifference) {
    ASSERT_EQ(cli({"new", "-o", "a.dat", "--model", "8524"}).status, 0);
    CliRun r = cli({"export", "a.dat"});
    ASSERT_EQ(r.status, 0);
    // JSON is known by its first character as well as by its suffix.
    WriteFileBytes(path("a.txt"), r.out.toUtf8());
    r = cli({"diff", "a.dat", "a.txt"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "same\n");

    QString json = QString::fromUtf8(ReadFileBytes(path("a.txt")));
    json.replace("\"SquelchLevel\": 5", "\"SquelchLevel\": 7");
    json.replace("\"channels\": []",
                 "\"channels\": [{\"channel\": 3, \"rx\": \"438.50000\", \"tx\": \"438.52500\", "
                 "\"decode\": null, \"encode\": null, \"power\": \"High\", \"bandwidth\": "
                 "\"Wide\", \"scan_add\": \"Yes\", \"beat_shift\": \"Yes\", \"busy_lockout\": "
                 "\"Yes\"}]");
    WriteFileBytes(path("b.json"), json.toUtf8());
    r = cli({"diff", "a.dat", "b.json"});
    EXPECT_EQ(r.status, 5) << r.err.toStdString();
    EXPECT_EQ(r.out, "channel 3 RX Frequency: (empty) -> 438.50000\nSquelch level: 5 -> 7\n");
    ASSERT_EQ(cli({"import", "b.json", "-o", "b.dat"}).status, 0);
    json.replace("\"438.52500\"", "\"438.55000\"");
    WriteFileBytes(path("c.json"), json.toUtf8());
    r = cli({"diff", "b.dat", "c.json"});
    EXPECT_EQ(r.status, 5);
    EXPECT_EQ(r.out, "channel 3 TX Frequency: 438.52500 -> 438.55000\n");

    // A file that cannot be read is a file failure, not a difference.
    WriteFileBytes(path("bad.json"), "{\"model\": \"8524\"}");
    r = cli({"diff", "a.dat", "bad.json"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains("bad.json")) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());
    r = cli({"diff", "absent.dat", "a.dat"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains("absent.dat"));
}

TEST_F(CliTest, APortWithoutPermissionNamesTheDialoutGroup) {
    const QString device = path("ttyFAKE");
    WriteFileBytes(device, "");
    WriteFileBytes(path("SysInfo.Ini"), "[SysInfo]\n[Ports]\nCOM9=" + device.toUtf8() + "\n");
    QStringList asUser{QStringLiteral(QX7_CLI)};
    if (geteuid() == 0) {
        // Root opens anything: run as a user without rights to the device, from
        // a copy of the tool that this user can reach wherever the build lies.
        const QString copy = path("qx7-cli");
        ASSERT_TRUE(QFile::copy(QStringLiteral(QX7_CLI), copy));
        QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                        QFile::ReadOther | QFile::ExeOther);
        asUser = {"setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups", copy};
        QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                QFile::ReadOther | QFile::ExeOther);
        QFile::setPermissions(device, QFile::ReadOwner | QFile::WriteOwner);
    } else {
        QFile::setPermissions(device, {});
    }
    CliRun r = cli({"ports"}, asUser);
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("COM9\t" + device +
                               "\tpermission denied: add your user to the "
                               "dialout group"))
        << r.out.toStdString();
    // The output goes where this user may write, so that the port is what fails.
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("out"));
    QFile::setPermissions(path("out"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                           QFile::ReadOther | QFile::WriteOther | QFile::ExeOther);
    r = cli({"read", "--port", "COM9", "-o", "out/out.dat"}, asUser);
    EXPECT_EQ(r.status, 4);
    EXPECT_TRUE(r.err.contains("COM9 (" + device + ") cannot be opened: permission denied"))
        << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("sudo adduser $USER dialout"));
}

TEST_F(CliTest, CsvRoundTripAndInvalidLines) {
    // A codeplug with channels, settings and a message of its own.
    WriteFileBytes(path("plan.csv"), "Location,Frequency,Duplex,Offset,Tone,rToneFreq,Mode\r\n"
                                     "1,146.52,,,,,FM\r\n"
                                     "4,145.35,-,0.6,Tone,100.0,NFM\r\n");
    CliRun r = cli({"import", "plan.csv", "--model", "7524", "-o", "base.dat"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    r = cli({"export", "base.dat", "--format", "csv", "-o", "base.csv"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QByteArray csv = ReadFileBytes(path("base.csv"));
    EXPECT_TRUE(csv.contains("\r\n4,,145.350000,-,0.600000,Tone,100.0,")) << csv.toStdString();

    // Back into the codeplug it came from: the same file.
    r = cli({"import", "base.csv", "--base", "base.dat", "-o", "again.dat"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(ReadFileBytes(path("again.dat")), ReadFileBytes(path("base.dat")));

    // An invalid line refuses the file unless --skip-invalid is given.
    WriteFileBytes(path("mixed.csv"), csv + "9,,999.0\r\n");
    r = cli({"import", "mixed.csv", "--base", "base.dat", "-o", "mixed.dat"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains("mixed.csv: line 4: frequency 999.000000 MHz"))
        << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("mixed.dat")));
    r = cli({"import", "mixed.csv", "--base", "base.dat", "-o", "mixed.dat", "--skip-invalid"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("skipped line 4"));
    EXPECT_EQ(ReadFileBytes(path("mixed.dat")), ReadFileBytes(path("base.dat")));

    WriteFileBytes(path("none.csv"), "Location,Frequency\n1,999\n");
    r = cli({"import", "none.csv", "--base", "base.dat", "-o", "none.dat", "--skip-invalid"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains("no line gives a channel")) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("none.dat")));

    WriteFileBytes(path("notes.csv"), "no channels here\n");
    r = cli({"import", "notes.csv", "-o", "notes.dat"});
    EXPECT_EQ(r.status, 2);
    EXPECT_FALSE(QFile::exists(path("notes.dat")));
}

} // namespace
