#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>

namespace slotmachine::fuzz {

// A folder in memory (/dev/shm where there is one) that lives as long as the
// fuzz run, so that an input costs one small file write and no disk.
const QDir& fuzzFolder();

// Replaces the contents of `name` in the folder, keeping the file itself (and so
// every hard link to it).
void writeInput(const QString& name, const QByteArray& bytes);

// Stops the run with a message: an input broke a promise of the code under test.
[[noreturn]] void fail(const char* what);

} // namespace slotmachine::fuzz
