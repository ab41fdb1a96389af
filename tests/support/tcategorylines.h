#pragma once
// The debug lines of one logging category while it lives (the tests run
// with the dvr.* debug lines off): the category is switched on and every
// line of it that holds the given text is kept. What was installed before
// comes back when it goes.
#include <QLoggingCategory>
#include <QStringList>

class TCategoryLines
{
public:
    TCategoryLines(const char* category, const QString& holding = QString())
    {
        s_category = category;
        s_holding = holding;
        s_lines.clear();
        s_rules = nullptr;
        s_rules = QLoggingCategory::installFilter([](QLoggingCategory* c) {
            if (s_rules) // unset while the filter is first run over every category
                s_rules(c);
            if (qstrcmp(c->categoryName(), s_category) == 0)
                c->setEnabled(QtDebugMsg, true);
        });
        m_old = qInstallMessageHandler([](QtMsgType, const QMessageLogContext& ctx, const QString& m) {
            if (qstrcmp(ctx.category, s_category) == 0 && m.contains(s_holding))
                s_lines << m;
        });
    }
    ~TCategoryLines() { restore(); }
    TCategoryLines(const TCategoryLines&) = delete;
    TCategoryLines& operator=(const TCategoryLines&) = delete;

    // Stops catching; the lines stay readable.
    void restore()
    {
        if (!m_old && !s_category)
            return;
        qInstallMessageHandler(m_old);
        QLoggingCategory::installFilter(s_rules);
        m_old = nullptr;
        s_category = nullptr;
    }
    QStringList lines() const { return s_lines; }

private:
    QtMessageHandler m_old = nullptr;
    static inline const char* s_category = nullptr;
    static inline QString s_holding;
    static inline QStringList s_lines;
    static inline QLoggingCategory::CategoryFilter s_rules = nullptr;
};
