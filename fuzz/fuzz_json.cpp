// JSON of any bytes: import never crashes, and what it accepts exports to
// JSON that imports to the same codeplug.
#include "FuzzContext.h"
#include "image/CodeplugJson.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    AppContext& ctx = FuzzContext();
    const QByteArray json(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto first = CodeplugJson::Read(json, ctx.models(), ctx.bands());
    if (!first) {
        FUZZ_CHECK(!first.error().isEmpty());
        return 0;
    }
    const auto again =
        CodeplugJson::Read(CodeplugJson::Write(first->codeplug), ctx.models(), ctx.bands());
    FUZZ_CHECK(static_cast<bool>(again));
    FUZZ_CHECK(again->warnings.isEmpty());
    FUZZ_CHECK(again->codeplug.channels == first->codeplug.channels);
    FUZZ_CHECK(again->codeplug.fun == first->codeplug.fun);
    return 0;
}
