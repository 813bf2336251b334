// Feeds arbitrary bytes to the CSV reader and the word-table reader: no crash, and what
// the reader accepts survives being written and read again.
#include "data/Csv.h"
#include "data/WordDatabaseBuilder.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QString error;
    const QList<QStringList> records = Csv::parse(bytes, &error);
    if (error.isEmpty()) {
        QByteArray again;
        for (const QStringList& r : records)
            again += Csv::formatRecord(r);
        QString error2;
        if (Csv::parse(again, &error2) != records || !error2.isEmpty())
            std::abort();
    }
    WordDatabaseBuilder::rowsFromCsv(bytes, &error);
    return 0;
}
