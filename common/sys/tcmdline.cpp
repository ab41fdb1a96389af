#include "tcmdline.h"

TCmdLine::TCmdLine(const QString& line)
{
    if (!parse(line)) {
        if (m_error.isEmpty())
            m_error = QStringLiteral("not a command line");
        m_commands.clear();
        m_detach = false;
    }
}

QString TCmdLine::quote(const QString& word)
{
    QString q = word;
    q.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return QLatin1Char('\'') + q + QLatin1Char('\'');
}

// A finished word goes to the pending redirection or becomes the next word
// of the command.
void TCmdLine::endWord(QString* word, bool* inWord, Redirect* pending)
{
    if (!*inWord)
        return;
    switch (*pending) {
    case Redirect::None: m_cur.words << *word; break;
    case Redirect::Out: m_cur.out = *word; m_cur.outAppend = false; break;
    case Redirect::OutAppend: m_cur.out = *word; m_cur.outAppend = true; break;
    case Redirect::Err: m_cur.err = *word; m_cur.errAppend = false; break;
    case Redirect::ErrAppend: m_cur.err = *word; m_cur.errAppend = true; break;
    }
    *pending = Redirect::None;
    word->clear();
    *inWord = false;
}

bool TCmdLine::endCommand()
{
    if (m_cur.words.isEmpty()) {
        m_error = QStringLiteral("empty command");
        return false;
    }
    m_commands << m_cur;
    m_cur = Command();
    return true;
}

bool TCmdLine::parse(const QString& line)
{
    QString word;
    bool inWord = false;   // a word has started (an empty quoted word counts)
    bool quoted = false;   // the word holds quoted text (so "2" is no descriptor)
    Redirect pending = Redirect::None;
    bool sawAmp = false;
    const int n = line.size();
    auto fail = [this](const char* why) {
        m_error = QString::fromLatin1(why);
        return false;
    };
    for (int i = 0; i < n; ++i) {
        const QChar c = line.at(i);
        if (sawAmp && !c.isSpace())
            return fail("\"&\" only ends the line");
        if (c == QLatin1Char('\'')) {
            const int end = line.indexOf(QLatin1Char('\''), i + 1);
            if (end < 0)
                return fail("unterminated quote");
            word += line.mid(i + 1, end - i - 1);
            inWord = quoted = true;
            i = end;
        } else if (c == QLatin1Char('"')) {
            int j = i + 1;
            for (; j < n && line.at(j) != QLatin1Char('"'); ++j) {
                QChar d = line.at(j);
                if (d == QLatin1Char('$') || d == QLatin1Char('`'))
                    return fail("expansion in quotes");
                if (d == QLatin1Char('\\') && j + 1 < n) {
                    const QChar e = line.at(j + 1);
                    if (e == QLatin1Char('"') || e == QLatin1Char('\\') || e == QLatin1Char('$')
                        || e == QLatin1Char('`')) {
                        d = e;
                        ++j;
                    } else if (e == QLatin1Char('\n')) {
                        ++j;
                        continue;
                    }
                }
                word += d;
            }
            if (j >= n)
                return fail("unterminated quote");
            inWord = quoted = true;
            i = j;
        } else if (c == QLatin1Char('\\')) {
            if (i + 1 >= n)
                return fail("backslash at the end");
            ++i;
            if (line.at(i) != QLatin1Char('\n')) {
                word += line.at(i);
                inWord = quoted = true;
            }
        } else if (c.isSpace() && c != QLatin1Char('\n')) {
            endWord(&word, &inWord, &pending);
            quoted = false;
        } else if (c == QLatin1Char(';') || c == QLatin1Char('\n')) {
            endWord(&word, &inWord, &pending);
            quoted = false;
            if (pending != Redirect::None)
                return fail("redirection without a file");
            if (!endCommand())
                return false;
        } else if (c == QLatin1Char('&')) {
            if (i + 1 < n && line.at(i + 1) == QLatin1Char('&'))
                return fail("\"&&\" is not run");
            endWord(&word, &inWord, &pending);
            quoted = false;
            if (pending != Redirect::None)
                return fail("redirection without a file");
            if (m_cur.words.isEmpty())
                return fail("\"&\" without a command");
            sawAmp = true;
        } else if (c == QLatin1Char('>')) {
            // "2>" names standard error only when the "2" stands alone
            // right before it; "1>" is standard output.
            int fd = 1;
            if (inWord && !quoted && (word == QLatin1String("1") || word == QLatin1String("2"))) {
                fd = word.toInt();
                word.clear();
                inWord = false;
            }
            endWord(&word, &inWord, &pending);
            quoted = false;
            if (pending != Redirect::None)
                return fail("redirection without a file");
            const bool append = i + 1 < n && line.at(i + 1) == QLatin1Char('>');
            if (append)
                ++i;
            if (!append && fd == 2 && line.midRef(i + 1, 2) == QLatin1String("&1")) {
                m_cur.errToOut = true;
                i += 2;
                continue;
            }
            if (i + 1 < n && line.at(i + 1) == QLatin1Char('&'))
                return fail("descriptor redirection");
            pending = fd == 2 ? (append ? Redirect::ErrAppend : Redirect::Err)
                              : (append ? Redirect::OutAppend : Redirect::Out);
        } else if (QStringLiteral("|<$`()*?[").contains(c)
                   || (!inWord && (c == QLatin1Char('#') || c == QLatin1Char('~')))) {
            // A shell would pipe, read, expand or comment here.
            return fail("shell syntax the runner does not run");
        } else {
            word += c;
            inWord = true;
        }
    }
    endWord(&word, &inWord, &pending);
    if (pending != Redirect::None)
        return fail("redirection without a file");
    if ((!m_cur.words.isEmpty() || !m_cur.out.isEmpty() || !m_cur.err.isEmpty() || m_cur.errToOut)
        && !endCommand())
        return false;
    if (m_commands.isEmpty())
        return fail("empty line");
    m_detach = sawAmp;
    return true;
}
