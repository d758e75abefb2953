#include "TestUtil.h"
#include "app/AppContext.h"
#include "model/Selection.h"
#include "model/TFun.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class CatalogueTest : public ::testing::Test {
  protected:
    QTemporaryDir m_dir;
    AppContext m_ctx{m_dir.path()};
};

TEST_F(CatalogueTest, HoldsTheTwoModels) {
    const TMacList& models = m_ctx.models();
    ASSERT_EQ(models.Count(), 2);
    const TMacType* uhf = models.FindByCode("8524");
    const TMacType* vhf = models.FindByCode("7524");
    ASSERT_TRUE(uhf && vhf);
    EXPECT_EQ(uhf, models.Item(0));
    EXPECT_EQ(vhf->Name, "QX7(VHF)");
    EXPECT_EQ(vhf->Bands,
              QStringList({"136 - 150MHz", "136 - 174MHz", "150 - 174MHz", "216 - 223MHz"}));
    EXPECT_EQ(vhf->DefaultBand, "150 - 174MHz");
    EXPECT_EQ(uhf->Bands.size(), 9);
    EXPECT_EQ(uhf->ReservedSlots, 39);
    EXPECT_EQ(models.FindByCode("852"), nullptr);
    EXPECT_EQ(models.FindByCode("9999"), nullptr);
    EXPECT_EQ(models.FindByName("QX7(VHF)"), vhf);
    EXPECT_EQ(models.FindByName("qx7(vhf)"), nullptr);
    EXPECT_EQ(models.Item(2), nullptr);
    QStringList names{"stale"};
    models.GetNames(names);
    EXPECT_EQ(names, QStringList({"QX7(UHF)", "QX7(VHF)"}));
}

TEST_F(CatalogueTest, BandCodesLookUpBothWays) {
    const TFrqList& bands = m_ctx.bands();
    EXPECT_EQ(bands.Count(), 14);
    EXPECT_EQ(bands.CodeOf("450 - 470MHz"), 244);
    EXPECT_EQ(bands.CodeOf("450-470MHz"), 253);
    EXPECT_EQ(bands.CodeOf("400 - 480MHz"), 247);
    EXPECT_EQ(bands.TextOf(240), "150 - 174MHz");
    EXPECT_EQ(bands.TextOf(0), " 27 -  72MHz");
    EXPECT_EQ(bands.TextOf(253), " 27 -  72MHz");
}

TEST(ParseBand, ReadsBothLimits) {
    const auto a = ParseBand("450 - 470MHz");
    ASSERT_TRUE(a);
    EXPECT_DOUBLE_EQ(a->low, 450.0);
    EXPECT_DOUBLE_EQ(a->high, 470.0);
    const auto b = ParseBand(" 27 -  72MHz");
    ASSERT_TRUE(b);
    EXPECT_DOUBLE_EQ(b->low, 27.0);
    EXPECT_DOUBLE_EQ(b->high, 72.0);
    EXPECT_FALSE(ParseBand("450 470MHz"));
    EXPECT_FALSE(ParseBand("450 - 470"));
    EXPECT_FALSE(ParseBand("abc - 470MHz"));
}

TEST_F(CatalogueTest, SelectModelKeepsTheBand) {
    m_ctx.SelectFirstModel();
    SelectModel(m_ctx.all(), *m_ctx.models().FindByCode("7524"));
    EXPECT_EQ(m_ctx.all().ModelCode, "7524");
    EXPECT_DOUBLE_EQ(m_ctx.all().ModelLow, 67.0);
    EXPECT_DOUBLE_EQ(m_ctx.all().ModelHigh, 300.0);
    EXPECT_EQ(m_ctx.all().BandText, "450 - 470MHz");
    SelectBand(m_ctx.all(), " 27 -  72MHz");
    EXPECT_DOUBLE_EQ(m_ctx.all().BandLow, 27.0);
    EXPECT_DOUBLE_EQ(m_ctx.all().BandHigh, 72.0);
}

struct NormaliseCase {
    int TFun::*field;
    int stored;
    int expected;
};

void PrintTo(const NormaliseCase& c, std::ostream* os) {
    *os << c.stored;
}

class Normalise : public ::testing::TestWithParam<NormaliseCase> {};

TEST_P(Normalise, ReplacesOnlyOutOfRangeValues) {
    TFun fun;
    fun.*GetParam().field = GetParam().stored;
    fun.Normalise();
    EXPECT_EQ(fun.*GetParam().field, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, Normalise,
    ::testing::Values(NormaliseCase{&TFun::SideKey, 4, 4}, NormaliseCase{&TFun::SideKey, 5, 5},
                      NormaliseCase{&TFun::SideKey, 6, 0}, NormaliseCase{&TFun::SideKey, -1, 0},
                      NormaliseCase{&TFun::SquelchLevel, 9, 9},
                      NormaliseCase{&TFun::SquelchLevel, 10, 5},
                      NormaliseCase{&TFun::TxTimeOut, 10, 10},
                      NormaliseCase{&TFun::TxTimeOut, 11, 6},
                      NormaliseCase{&TFun::VoxGainLevel, 5, 4},
                      NormaliseCase{&TFun::VoxGainLevel, 0, 0}, NormaliseCase{&TFun::Scan, 2, 0},
                      NormaliseCase{&TFun::FM, 3, 1}, NormaliseCase{&TFun::BatterySave, 255, 1}));

TEST(TFunTest, AllFfFromARadioReadsAsTheDocumentedValues) {
    TFun fun;
    for (const TFun::Field& f : TFun::Fields())
        fun.*f.member = 0xFF;
    fun.Normalise();
    EXPECT_EQ(fun.SquelchLevel, 5);
    EXPECT_EQ(fun.SideKey, 0);
    EXPECT_EQ(fun.TxTimeOut, 6);
    EXPECT_EQ(fun.VoxGainLevel, 4);
    for (int TFun::*flag : {&TFun::BatterySave, &TFun::ClewVoice, &TFun::VoxFunction, &TFun::FM,
                            &TFun::InceptAlarm, &TFun::Scan, &TFun::Voice})
        EXPECT_EQ(fun.*flag, 1);
    fun.Reset();
    EXPECT_EQ(fun, TFun{});
    EXPECT_EQ(fun.SideKey, 1);
    EXPECT_EQ(fun.TxTimeOut, 6);
}

TEST_F(CatalogueTest, ResetCodeplugLeavesTestFrequencies) {
    m_ctx.fun().SquelchLevel = 2;
    m_ctx.message().Line1 = "HELLO";
    m_ctx.testFre().RxFreq[9] = "451.00000";
    m_ctx.ResetCodeplug();
    EXPECT_EQ(m_ctx.fun().SquelchLevel, 5);
    EXPECT_TRUE(m_ctx.message().Line1.isEmpty());
    EXPECT_EQ(m_ctx.testFre().RxFreq[9], "451.00000");
}

} // namespace
