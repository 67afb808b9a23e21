// A recall log as the record will keep it: any bytes, read as a log's text.
// Promises checked: no crash or sanitizer report; a refusal says why; a log that
// reads holds at most 100 plays, prints as a table, and reads back from its own text
// as the same log.
#include "engine/records/RecallTable.h"
#include "engine/records/RecallText.h"
#include "fuzz/FuzzFolder.h"

#include <cstdint>

using namespace slotmachine;
using namespace slotmachine::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const RecallReading<RecallLog> read = recallLogFromText(text);
    if (!read.value) {
        if (read.error.isEmpty()) {
            fail("a refused log gives no reason");
        }
        return 0;
    }
    const RecallLog& log = *read.value;
    if (log.size() > RecallLog::Capacity) {
        fail("a log read with more plays than a log keeps");
    }
    (void)recallTable(log);
    const RecallReading<RecallLog> again = recallLogFromText(recallLogToText(log));
    if (!again.value || !(*again.value == log)) {
        fail("a log does not read back from its own text as the same log");
    }
    return 0;
}
