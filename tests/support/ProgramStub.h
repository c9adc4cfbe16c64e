#pragma once
// A stand-in for an outside program: records the folder it ran in and its
// arguments, one a line, beside itself; and an environment variable set for
// one scope, which is how the launcher is pointed at the stand-in.
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTest>
#include <cstdlib>

struct RecordingStub {
    explicit RecordingStub(const QString& path) : path(path), record(path + ".rec") {
        QFile f(path);
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write("#!/bin/sh\n{ pwd; echo \"$#\"; for a in \"$@\"; do echo \"$a\"; done; } > \"$0.part\" && "
                    "mv \"$0.part\" \"$0.rec\"\n");
        f.close();
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    // Working folder, then the number of arguments and the arguments; empty
    // when the stand-in did not run within three seconds.
    QStringList Wait() const {
        for (int i = 0; i < 300 && !QFile::exists(record); ++i) QTest::qWait(10);
        QFile f(record);
        if (!f.open(QIODevice::ReadOnly)) return {};
        return QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
    }
    bool Ran() const { return QFile::exists(record); }
    QString path, record;
};

struct ScopedEnv {
    ScopedEnv(const char* name, const QString& value) : name(name) { setenv(name, value.toLocal8Bit().constData(), 1); }
    ~ScopedEnv() { unsetenv(name); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;
    const char* name;
};
