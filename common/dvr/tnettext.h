#pragma once
#include <QByteArray>

// The network settings text a remote client sends ("dhcp:0 ip:10.0.0.5
// nm:255.255.255.0 gw:10.0.0.1 dns:10.0.0.1 port:8000 webport:80"). Each
// label is found as a key of its own: at the start of the text or after a
// character that is neither a letter nor a digit, so "port:" is never the
// tail of "webport:". Numbers are read with their digits counted, so no
// field can run past its width.
class TNetText
{
public:
    struct Settings {
        int dhcp = 0;
        QByteArray ip = "0.0.0.0";
        QByteArray mask = "0.0.0.0";
        QByteArray gate = "0.0.0.0";
        QByteArray dns = "0.0.0.0";
        int port = 8000;
        int webport = 80;
    };

    // Reads the text into out. A missing label keeps its default; a
    // service port outside 8000..9999 gives 8000, a web port that is neither
    // 80 nor within 8000..9999, or equals the service port, gives 80. False
    // when a label is followed by something that is not its value (an
    // address that is not four numbers of 0..255, a DHCP switch that is not
    // a number of 0..32767): such a text changes nothing.
    static bool parse(const QByteArray& text, Settings* out);
    // The same over the settings in force: a missing label keeps base's
    // value (a text that carries only a port changes only the port).
    static bool parseOver(const QByteArray& text, const Settings& base, Settings* out);

private:
    // The position just after the first key label in text, or -1.
    static int find(const QByteArray& text, const char* label);
    // A number of at most maxDigits digits at pos; false when none.
    static bool number(const QByteArray& text, int* pos, int maxDigits, long long* value);
    static bool address(const QByteArray& text, int pos, QByteArray* out);
};
