#pragma once
// The grid file: the action history written one line per entry, in Latin-1 with CR LF line ends.
// The reader takes each field from a fixed character position, so the writer keeps every piece
// of the line at its column:
//
//   columns  1-20  "  <Action  Ligne = '"      34  Col          64     Operation
//            21    Row                        35  "'"              65-66  "'>"
//            22    "'"                          36-46 " Chiffre = "  67..   the entry's text
//            23-32 " Colonne ="                 47  "'"              then   "</Action>"
//            33    "'"                          48  Digit, 49 "'", 50-62 " Operation = ", 63 "'"
//
// Only lines that begin with two blanks are actions; the others (header, <Actions>) are skipped.
// A "T" line carries the elapsed seconds in its text, up to the "#".

#include "game/model/history_entry.h"

#include <QByteArray>
#include <QString>

namespace game {

// The whole file for this history; every "T" line carries elapsedSeconds.
QByteArray EncodeGridFile(const ActionHistory& history, int elapsedSeconds);

// A file read back: its entries without the final time marker, and that marker's seconds.
struct GridFileContent {
    ActionHistory Entries;
    bool HasTimeMarker = false; // the last action line was a "T" line
    int Seconds = 0;            // its seconds; 0 without one
    QString Error;              // set when the file is refused; nothing else is meaningful then
};

// Parses the bytes of a grid file. A malformed action line, or no action line at all, refuses the
// whole file; fileName only names it in the message.
GridFileContent ParseGridFile(const QByteArray& bytes, const QString& fileName);

// Reads and parses the file at path; a missing or unreadable file, or one over 16 MiB (checked
// before reading), is refused with a message.
GridFileContent ReadGridFile(const QString& path);

// Replaces the file at path with bytes, atomically: on failure the previous file stays intact.
// Returns an error text, empty on success.
QString WriteGridFile(const QString& path, const QByteArray& bytes);

} // namespace game
