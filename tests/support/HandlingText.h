// Handling-file text for the command's tests, and writing it to disk.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QtGlobal>

namespace bitloom::tests {

// The 28 fields between a standard line's identifier and the field where
// GTA3 reads its flags.
inline const QByteArray standardFields
    = " 1700.0 5.0 4.0 2.2 0.0 0.0 -0.2 85 0.8 0.75 0.5 5 160.0 25.0 4 D 6.2 0.60 0 35.0 1.4 0.15 "
      "0.0 0.5 25000 0.25 -0.20 0.5 ";

// A Vice-City standard line: 33 fields, the flags in field 31 and "20" in
// field 30 (where GTA3 reads its flags).
inline QByteArray vehicleLine(const QByteArray &identifier, const QByteArray &flags)
{
    return identifier + standardFields + "20 " + flags + " 1 1";
}

// A GTA3 standard line: 32 fields, the flags in field 30.
inline QByteArray gta3VehicleLine(const QByteArray &identifier, const QByteArray &flags)
{
    return identifier + standardFields + flags + " 1 1";
}

// Entries of the boat, bike and flying sections with the fields Vice-City
// reads in them.
inline QByteArray boatEntry(const QByteArray &identifier)
{
    return "% " + identifier + " 0.7 0.5 0.2 4.0 4.5 0.9 0.7 0.99 0.9 0.99 0.99 0.97 0.95 8.0";
}

inline QByteArray bikeEntry(const QByteArray &identifier)
{
    return "! " + identifier
           + " 0.1 20.0 0.1 15.0 50.0 45.0 0.9 0.8 0.0 -0.2 30.0 35.0 0.05 1.0 0.5";
}

inline QByteArray flyingEntry(const QByteArray &identifier)
{
    return "$ " + identifier
           + " 0.6 5.0 -0.2 0.0 0.0 -0.05 0.001 -0.1 0.0 0.5 5.0 0.1 0.998 0.99 0.97 1.0 1.0 1.0";
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
