// A CSV channel list of any bytes: import never crashes, and the channels it
// gives export to a list that imports to the same channels with no line refused.
#include "FuzzContext.h"
#include "image/CodeplugCsv.h"
#include "model/TMacList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    AppContext& ctx = FuzzContext();
    const QByteArray csv(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const char* code : {"8524", "7524"}) {
        const TMacType& model = *ctx.models().FindByCode(code);
        const auto first = CodeplugCsv::Read(csv, model);
        if (!first)
            continue;
        const auto again = CodeplugCsv::Read(CodeplugCsv::Write(first->channels), model);
        FUZZ_CHECK(static_cast<bool>(again));
        FUZZ_CHECK(again->invalid.isEmpty());
        FUZZ_CHECK(again->warnings.isEmpty());
        FUZZ_CHECK(again->channels == first->channels);
    }
    return 0;
}
