#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// Splits a command line the recorder gives to its shell the way a POSIX
// shell would, without running anything and without expansions: words with
// single quotes, double quotes and backslashes, commands separated by ";",
// the output redirections ">", ">>", "2>", "2>>", "2>&1", and one "&" at the
// end that starts the last command in the background. Whatever a shell
// would expand or connect (variables, command substitution, globs, pipes,
// "&&", input redirection, comments) makes the line invalid, so that no
// text is ever taken for something it is not.
class TCmdLine
{
public:
    // One command of the line: its words and where its output goes.
    struct Command
    {
        QStringList words;
        QString out;            // standard output file, empty: not redirected
        bool outAppend = false;
        QString err;            // standard error file, empty: not redirected
        bool errAppend = false;
        bool errToOut = false;  // "2>&1"
    };

    explicit TCmdLine(const QString& line);
    // A word quoted so that the line splits it back unchanged.
    static QString quote(const QString& word);
    bool isValid() const { return m_error.isEmpty(); }
    // Why the line was not taken (empty when valid).
    QString error() const { return m_error; }
    const QList<Command>& commands() const { return m_commands; }
    // The last command runs in the background ("... &").
    bool detached() const { return m_detach; }

private:
    enum class Redirect { None, Out, OutAppend, Err, ErrAppend };
    bool parse(const QString& line);
    void endWord(QString* word, bool* inWord, Redirect* pending);
    bool endCommand();

    QList<Command> m_commands;
    Command m_cur;
    bool m_detach = false;
    QString m_error;
};
