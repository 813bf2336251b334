// Feeds arbitrary text to the statement and filter translator: it must refuse or translate,
// never crash, and whatever it lets through must be one read-only statement over a word
// table.
#include "data/DbError.h"
#include "data/SqlTranslator.h"

#include <QString>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        const SqlTranslator::Source s = SqlTranslator::translateSource(text);
        if (!s.sql.startsWith(QLatin1String("SELECT * FROM ")) || !SqlTranslator::isTable(s.table) ||
            s.sql.contains(u';'))
            std::abort();
    } catch (const DbError&) {
    }
    try {
        const QString condition = SqlTranslator::translateCondition(text);
        if (condition.contains(u';') || condition.contains(QLatin1String("--")))
            std::abort();
    } catch (const DbError&) {
    }
    try {
        SqlTranslator::translateStatement(text);
    } catch (const DbError&) {
    }
    return 0;
}
