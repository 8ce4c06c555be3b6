// A second start for a loan file a running program has open hands over to it.
#include "app/file_beacon.h"

#include <QCoreApplication>
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "tests/common/file_contents.h"

namespace quillmere {
namespace {

TEST(LoanFileBeaconTest, TheProgramWithTheFileOpenIsToldAndNoOtherIs) {
    const QTemporaryDir folder;
    const QString house = folder.filePath(QStringLiteral("house.qloan"));
    const QString car = folder.filePath(QStringLiteral("car.qloan"));
    WriteFile(house, "{}");
    WriteFile(car, "{}");
    EXPECT_EQ(BeaconName(house), BeaconName(QDir(folder.path()).filePath(QStringLiteral("sub/../house.qloan"))));
    EXPECT_NE(BeaconName(house), BeaconName(car));

    LoanFileBeacon running;
    const QSignalSpy asked(&running, &LoanFileBeacon::Asked);
    EXPECT_FALSE(LoanFileBeacon::HandOver(house));
    running.Answer(house);
    EXPECT_TRUE(LoanFileBeacon::HandOver(house));
    EXPECT_FALSE(LoanFileBeacon::HandOver(car));
    for (int i = 0; i < 50 && asked.isEmpty(); ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(asked.size(), 1);
    // Another program opening the same file only looks for an owner: no window jumps forward.
    LoanFileBeacon other;
    other.Answer(house);
    for (int i = 0; i < 10; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(asked.size(), 1);

    running.Answer(car);  // saved under another name
    EXPECT_FALSE(LoanFileBeacon::HandOver(house));
    EXPECT_TRUE(LoanFileBeacon::HandOver(car));
    running.Answer({});
    EXPECT_FALSE(LoanFileBeacon::HandOver(car));
}

}  // namespace
}  // namespace quillmere
