#pragma once
// Cutting UTF-8 text to a fixed field at a whole character: the one rule for
// every name, password and text that a record, a log entry, a device call or
// a reply holds. A character cut in two would read back as a broken one.
#include <QByteArray>
#include <QString>

// How many of the first len bytes of a UTF-8 text to keep within max bytes:
// all of them when they fit; otherwise max, less the bytes of a character
// that the cut would split (at most three). Bytes that are not UTF-8 are
// cut at max.
int utf8WholeLen(const char* utf8, int len, int max);

// The text as UTF-8 of at most max bytes, ending at a whole character.
QByteArray q2Utf8Whole(const QString& text, int max);

// The text into a char array of size n: at most n-1 bytes of whole
// characters, zero bytes up to the end, the last byte always zero; a null
// array or n <= 0 writes nothing.
void q2Utf8Whole(char* dst, const QString& text, int n);
