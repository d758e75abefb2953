#include "Catalogue.h"

#include "TFrqList.h"
#include "TMacList.h"
#include "app/TALL.h"

namespace {

constexpr int kChannels = 16;
constexpr int kReservedSlots = 39;

struct BandEntry {
    const char* text;
    std::uint8_t code;
};

// The order matters: the first entry is the fallback of both look-ups.
constexpr BandEntry kBands[] = {
    {" 27 -  72MHz", 0xFD}, {"136 - 150MHz", 0xF1}, {"136 - 174MHz", 0xF2}, {"150 - 174MHz", 0xF0},
    {"216 - 223MHz", 0xF3}, {"350 - 370MHz", 0xFA}, {"350 - 390MHz", 0xFB}, {"370 - 390MHz", 0xFC},
    {"400 - 420MHz", 0xF8}, {"400 - 480MHz", 0xF7}, {"440 - 480MHz", 0xF9}, {"450 - 470MHz", 0xF4},
    {"450 - 490MHz", 0xF5}, {"470 - 650MHz", 0xF6},
};

} // namespace

void FillBandList(TFrqList& bands) {
    for (const BandEntry& b : kBands)
        bands.Add(QString::fromLatin1(b.text), b.code);
}

void FillCatalogue(TMacList& models, TALL& all) {
    all.AppTitle = QStringLiteral("QX7");

    auto uhf = std::make_unique<TMacType>("8524", kChannels, all.AppTitle + "(UHF)");
    uhf->SetLimits(300.0, 650.0);
    uhf->SetReservedSlots(kReservedSlots);
    for (const char* band :
         {"350 - 370MHz", "350 - 390MHz", "370 - 390MHz", "400 - 420MHz", "400 - 480MHz",
          "440 - 480MHz", "450 - 470MHz", "450 - 490MHz", "470 - 650MHz"})
        uhf->AddBand(QString::fromLatin1(band));
    uhf->SetDefaultBand("450 - 470MHz");
    models.Add(std::move(uhf));

    auto vhf = std::make_unique<TMacType>("7524", kChannels, all.AppTitle + "(VHF)");
    vhf->SetLimits(67.0, 300.0);
    vhf->SetReservedSlots(kReservedSlots);
    for (const char* band : {"136 - 150MHz", "136 - 174MHz", "150 - 174MHz", "216 - 223MHz"})
        vhf->AddBand(QString::fromLatin1(band));
    vhf->SetDefaultBand("150 - 174MHz");
    models.Add(std::move(vhf));
}
