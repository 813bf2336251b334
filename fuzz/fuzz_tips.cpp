// Feeds arbitrary bytes to the tips-file reader and splits every line it gives: no crash,
// and a split gives back the line's text.
#include "maintenance/TipsOfTheDay.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto lines = TipsOfTheDay::parse(bytes);
    if (!lines)
        return 0;
    for (const QString& line : *lines) {
        const TipsOfTheDay::Tip tip = TipsOfTheDay::split(line);
        const QString joined = tip.question.isEmpty() && !line.contains(TipsOfTheDay::Marker)
                                   ? tip.answer
                                   : tip.question + TipsOfTheDay::Marker + tip.answer;
        if (joined != line)
            std::abort();
    }
    TipsOfTheDay::pick(0.999999, int(lines->size()));
    return 0;
}
