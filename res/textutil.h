#pragma once
// Free helpers beside TString: fitted label drawing, moving text between Qt
// strings and the fixed char fields of configuration and device records, and
// decimal formatting. They keep no state.
#include "utf8cut.h"

#include <QByteArray>
#include <QString>

class QPainter;
class QRect;

// Draws text in r with the given alignment and text flags; a text that does
// not fit the box's width is compressed horizontally to about 90 % of it.
// The painter's font is the same afterwards.
void drawFitText(QPainter* painter, const QRect& r, int flags, const QString& text);

// value with at most n decimals, digits truncated, the fraction printed with
// exactly n digits; a whole result has no decimal point ("2", "-0.5", "0.06").
// n is taken as 0..9 and value saturates at the range a 32-bit integer holds
// after scaling by 10^n.
QString fToStr(int n, double value);

// Decoding a zero-terminated char string; null or empty gives an empty string.
QString utf82Q(const char* text);
QString local2Q(const char* text);

// Bounded copies into a caller's char array of size n: at most n-1 bytes of
// text, zero bytes up to the end, the last byte always zero; n <= 0 writes
// nothing. A longer text is cut at n-1 bytes.
void q2Utf8(char* dst, const QString& text, int n);
// q2Utf8Whole (utf8cut.h), as q2Utf8 but cut at a whole character, serves
// the names and passwords typed on the setup pages.
void q2Local(char* dst, const QString& text, int n);
void local2Utf8(char* dst, const char* text, int n);
void localRecode(char* dst, const char* text, int n);

// Owned conversions, cut to at most 255 bytes.
QByteArray q2Utf8Buf(const QString& text);
QByteArray q2LocalBuf(const QString& text);
