#include "app/Backups.h"
#include "CodeplugBuilder.h"
#include "TestUtil.h"
#include "app/AppContext.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(Backups, NamedByModelBandAndTimeAndNeverOverwritten) {
    QTemporaryDir dir;
    const AppContext ctx(dir.path());
    const Codeplug cp = CodeplugBuilder(ctx, "8524").Band("450 - 470MHz").Build();
    const QDateTime when(QDate(2024, 6, 5), QTime(14, 7, 9));
    const QString first = Backups::NewPath(dir.path(), cp, when);
    EXPECT_EQ(first, dir.filePath("8524_450-470MHz_2024-06-05_140709.dat"));
    WriteFileBytes(first, "taken");
    const QString second = Backups::NewPath(dir.path(), cp, when);
    EXPECT_EQ(second, dir.filePath("8524_450-470MHz_2024-06-05_140709_2.dat"));
    // Whatever a radio reports never leaves the folder.
    Codeplug odd = cp;
    odd.modelCode = "../x";
    odd.bandText = "/etc/ 27 -  72MHz";
    EXPECT_EQ(Backups::NewPath(dir.path(), odd, when),
              dir.filePath("x_etc27-72MHz_2024-06-05_140709.dat"));
}

TEST(Backups, LiveInTheUsersDataFolder) {
    qputenv("XDG_DATA_HOME", "/tmp/qx7-data-home");
    EXPECT_EQ(Backups::Folder(), "/tmp/qx7-data-home/qx7/backups");
    qunsetenv("XDG_DATA_HOME");
}

} // namespace
