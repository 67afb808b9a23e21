#pragma once

#include "engine/records/RecordFile.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace slotmachine::testing {

inline const QDate RecordToday(2026, 12, 7);

// A record file in a folder of its own, and its text as the test writes or reads it.
struct RecordFolder : ::testing::Test {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("orevein-slots.ini"));
    RecordFile file{path, false, QStringLiteral("/"), [] { return RecordToday; }};

    void writeText(const QByteArray& text) const {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    QString readText() const {
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return QString::fromUtf8(f.readAll());
    }
    // The files a damaged record was kept aside in.
    QStringList damagedFiles() const {
        return QDir(dir.path()).entryList({QStringLiteral("orevein-slots.ini.damaged-*")}, QDir::Files);
    }
};

} // namespace slotmachine::testing
