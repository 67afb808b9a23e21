#include "fuzz/FuzzFolder.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace slotmachine::fuzz {

const QDir& fuzzFolder() {
    static const QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
                                          ? QStringLiteral("/dev/shm/slots-fuzz-XXXXXX")
                                          : QDir::tempPath() + QStringLiteral("/slots-fuzz-XXXXXX"));
    static const QDir dir(folder.path());
    if (!folder.isValid()) {
        fail("no folder for the fuzz inputs");
    }
    return dir;
}

void writeInput(const QString& name, const QByteArray& bytes) {
    QFile file(fuzzFolder().filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        fail("cannot write the input file");
    }
}

void fail(const char* what) {
    std::fprintf(stderr, "fuzz finding: %s\n", what);
    std::abort();
}

} // namespace slotmachine::fuzz
