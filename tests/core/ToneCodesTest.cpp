#include "channels/ToneCodes.h"
#include "TestUtil.h"

#include <gtest/gtest.h>

namespace {

using namespace ToneCodes;

struct NormalizeCase {
    const char* typed;
    const char* expected;
};

void PrintTo(const NormalizeCase& c, std::ostream* os) {
    *os << '"' << c.typed << '"';
}

class Normalize : public ::testing::TestWithParam<NormalizeCase> {};

TEST_P(Normalize, GivesAValidToneText) {
    EXPECT_EQ(NormalizeToneText(GetParam().typed), QString::fromLatin1(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Normalize,
    ::testing::Values(NormalizeCase{"67", "67.0"}, NormalizeCase{"67.06", "67.1"},
                      NormalizeCase{"100.04", "100.0"}, NormalizeCase{"0", "30.0"},
                      NormalizeCase{"12", "30.0"}, NormalizeCase{"29.99", "30.0"},
                      NormalizeCase{"290.04", "290.0"}, NormalizeCase{"300", "290.0"},
                      NormalizeCase{"1.2.3", "290.0"}, NormalizeCase{"0250.3", "250.3"},
                      NormalizeCase{"D023N", "D023N"}, NormalizeCase{"D754I", "D754I"},
                      NormalizeCase{"D000N", "D000N"}, NormalizeCase{"D777I", "D777I"},
                      NormalizeCase{"D023n", "D023n"}, NormalizeCase{"D778N", "D777N"},
                      NormalizeCase{"D023X", "D777N"}, NormalizeCase{"D23N", "D777N"},
                      NormalizeCase{"d023N", "D777N"}, NormalizeCase{"DD23N", "D777N"},
                      NormalizeCase{"N", "D777N"}, NormalizeCase{".5", "D777N"},
                      NormalizeCase{"", ""}));

TEST(ToneList, HoldsNoneCtcssAndBothDcsPolarities) {
    const QStringList list = ToneList("None");
    ASSERT_EQ(list.size(), 206);
    EXPECT_EQ(list[0], "None");
    EXPECT_EQ(list[1], "67.0");
    EXPECT_EQ(list[39], "250.3");
    EXPECT_EQ(list[40], "D023N");
    EXPECT_EQ(list[122], "D754N");
    EXPECT_EQ(list[123], "D023I");
    EXPECT_EQ(list[205], "D754I");
    EXPECT_EQ(ToneList(QStringLiteral("无"))[0], QStringLiteral("无"));
}

TEST(TonePicker, OffersWhatTheListLacks) {
    const auto& ctcss = PickerCtcssEntries();
    ASSERT_EQ(ctcss.size(), 42);
    EXPECT_EQ(ctcss[0].index, "01");
    EXPECT_EQ(ctcss[0].letters, "XZ");
    EXPECT_EQ(ctcss[9].index, "0A");
    EXPECT_EQ(ctcss[41].index, "2A");
    EXPECT_EQ(ctcss[41].value, "254.1");
    const QStringList& dcs = PickerDcsCodes();
    ASSERT_EQ(dcs.size(), 85);
    EXPECT_EQ(dcs.indexOf("525"), 63);
    EXPECT_EQ(dcs.indexOf("645"), 73);
    for (const QString& code : DcsCodes())
        EXPECT_TRUE(dcs.contains(code)) << code.toStdString();
}

TEST(KeyFilters, PassOnlyWhatAFieldMayHold) {
    for (QChar c : QStringLiteral("0123456789.\b\rDINdin"))
        EXPECT_EQ(FilterToneKey(c), std::optional<QChar>(c));
    EXPECT_EQ(FilterToneKey(','), std::optional<QChar>('.'));
    for (QChar c : QStringLiteral("xAZ -+e"))
        EXPECT_FALSE(FilterToneKey(c));
    EXPECT_EQ(FilterFrequencyKey(','), std::optional<QChar>('.'));
    EXPECT_EQ(FilterFrequencyKey('5'), std::optional<QChar>('5'));
    for (QChar c : QStringLiteral("DNI -e"))
        EXPECT_FALSE(FilterFrequencyKey(c));
}

} // namespace
