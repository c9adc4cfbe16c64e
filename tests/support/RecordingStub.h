#pragma once
// A stand-in for an outside program: a shell script that records the folder
// it ran in and the arguments it was given, one a line, into a file beside
// itself; and an environment variable set for one scope, which is how the
// launcher is pointed at the stand-in.
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
    // when the stand-in did not run within five seconds.
    QStringList Wait() const {
        static_cast<void>(QTest::qWaitFor([&] { return QFile::exists(record); }, 5000));
        QFile f(record);
        if (!f.open(QIODevice::ReadOnly)) return {};
        QStringList lines = QString::fromUtf8(f.readAll()).split('\n');
        if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
        return lines;
    }
    // The folder it ran in, waiting for it; empty when it never ran.
    QString Folder() const {
        const QStringList w = Wait();
        return w.isEmpty() ? QString() : w.front();
    }
    // The arguments alone, waiting for them.
    QStringList Arguments() const {
        const QStringList w = Wait();
        return w.size() < 2 ? QStringList() : w.mid(2);
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
