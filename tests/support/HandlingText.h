// Handling-file text for the command's tests, and writing it to disk.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QtGlobal>

namespace bitloom::tests {

// A vehicle line of 34 fields with the flags in field 31 (Vice-City) and "20"
// in field 30 (where GTA3 reads its flags).
inline QByteArray vehicleLine(const QByteArray &identifier, const QByteArray &flags)
{
    return identifier
           + " 1700.0 5.0 4.0 2.2 0.0 0.0 -0.2 85 0.8 0.75 0.5 5 160.0 25.0 4 D 6.2 "
             "0.60 0 35.0 1.4 0.15 0.0 0.25 -0.20 0.5 0.5 25000 20 "
           + flags + " 0 1 0";
}

// The lines, each followed by the ending.
inline QByteArray lines(const QList<QByteArray> &list, const QByteArray &ending = "\n")
{
    QByteArray text;
    for (const QByteArray &line : list)
        text += line + ending;
    return text;
}

inline QByteArray crlfLines(const QList<QByteArray> &list)
{
    return lines(list, "\r\n");
}

// Writes contents to path; the test cannot go on without the file.
inline QString writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        qFatal("cannot write the test file");
    return path;
}

} // namespace bitloom::tests
