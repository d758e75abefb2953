// A data file of any bytes: opening never crashes, and whatever opens saves
// to bytes that open to the same codeplug.
#include "FuzzContext.h"
#include "image/DataFile.h"

#include <QDateTime>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    AppContext& ctx = FuzzContext();
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto decoded = DataFile::Decode(bytes, "fuzz.dat", ctx.models(), ctx.bands());
    if (!decoded) {
        FUZZ_CHECK(!decoded.error().isEmpty());
        return 0;
    }
    const DataFile::Contents& first = *decoded;
    const DataFile::Encoded saved =
        DataFile::Encode(first.codeplug, ctx.bands(), QDateTime(QDate(2024, 6, 5), QTime(14, 7)));
    const auto reopened = DataFile::Decode(saved.bytes, "fuzz.dat", ctx.models(), ctx.bands());
    FUZZ_CHECK(static_cast<bool>(reopened));
    const DataFile::Contents& again = *reopened;
    // The header is written with the band record's model code, which a file
    // may give differently from its header; the code itself survives.
    FUZZ_CHECK(again.codeplug.modelCode == first.codeplug.modelCode);
    FUZZ_CHECK(again.codeplug.channels == first.codeplug.channels);
    FUZZ_CHECK(again.codeplug.fun == first.codeplug.fun);
    FUZZ_CHECK(again.codeplug.message.Line1 == first.codeplug.message.Line1);
    FUZZ_CHECK(again.codeplug.message.Line2 == first.codeplug.message.Line2);
    return 0;
}
