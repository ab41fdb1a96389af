#pragma once
#include <QString>

// Text rules of the on-screen keyboards: what the number pad accepts on OK,
// where it adds the dots of an IPv4 address, and where the text keyboard adds
// the colons of a MAC address.
class TVKeyText
{
public:
    // A whole decimal int; empty text, dots and anything else are refused.
    static bool isNumber(const QString& text);
    // Exactly four dot-separated parts, each of decimal digits only with a
    // value 0..255.
    static bool isIPv4(const QString& text);
    // After a key of the number pad in address mode: a dot belongs at the
    // cursor when the text has at most 3 parts and the last has 3 digits.
    static bool needsDot(const QString& text);
    // After a key of the text keyboard in MAC mode: a colon belongs at the
    // cursor when the text has fewer than 6 parts and the last has 2 characters.
    static bool needsColon(const QString& text);
};
