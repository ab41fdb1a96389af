#pragma once
// The one way out for every message of the program (Qt's logging, whatever
// its level and category): names, paths and texts from sticks, remote
// clients and the device layer reach standard error inside these lines, and
// a control byte there would drive the terminal (colours, a line of its own
// that reads like another). The text is shown as the stand-in's lines show
// bytes, then handed to the handler that was installed before.
#include <QByteArray>
#include <QString>
#include <QtGlobal>

class TMessages
{
public:
    // Puts the handler in front of the one installed now (Qt's default, with
    // its format and QT_MESSAGE_PATTERN, unless another was installed) and
    // returns that one. Installed again, it keeps the handler it hands on to.
    static QtMessageHandler install();

    // The text as a message shows it: the control characters (U+0000 to
    // U+001F, newline and tab among them), DEL, the C1 controls, the
    // backslash, and the characters a terminal would not show as
    // themselves (the bidirectional controls, zero-width and other format
    // characters, U+FEFF among them, the line and paragraph separators U+2028
    // and U+2029, the noncharacters) as \xNN for each of their UTF-8 bytes;
    // a lone surrogate U+DC80..U+DCFF, or U+DC00, as \xNN of the byte it
    // stands for (fromBytes), any other lone surrogate as U+FFFD;
    // everything else as it is.
    static QString shown(const QString& text);

    // Bytes from outside as the text of a message: valid UTF-8 as its
    // characters, every byte that is not part of it, and a NUL, as the lone
    // surrogate U+DC00 + byte, so that shown() writes it as \xNN instead of
    // U+FFFD, and a NUL does not end the text. Passed with %ls and
    // qUtf16Printable(), which keep lone surrogates.
    static QString fromBytes(const QByteArray& bytes);

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text);
};
