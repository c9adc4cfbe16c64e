#pragma once
// A stand-in for an outside program: a shell script that writes the folder it
// was started in, so a test sees where the launcher started it.
#include <QFile>
#include <QString>
#include <QTest>

// Writes the script at `script`, recording into `out`; false when it could not be written.
inline bool WriteFolderRecorder(const QString& script, const QString& out) {
    QFile f(script);
    if (!f.open(QIODevice::WriteOnly)) return false;
    f.write(("#!/bin/sh\npwd > '" + out + "'\n").toUtf8());
    f.close();
    return f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// The folder the script recorded, waiting for it; empty when it never ran.
inline QString RecordedFolder(const QString& out, int ms = 5000) {
    QFile f(out);
    if (!QTest::qWaitFor([&] { return f.size() > 0; }, ms) || !f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll()).trimmed();
}
