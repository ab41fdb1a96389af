#include "thangulcomposer.h"
#include "uibaselog.h"

#include <hangul.h>

namespace {

QString fromUcs(const ucschar* s)
{
    if (!s)
        return QString();
    return QString::fromUcs4(reinterpret_cast<const uint*>(s));
}

} // namespace

THangulComposer::THangulComposer()
    : m_hic(hangul_ic_new("2"))
{
    qCDebug(lcUiBase, "TVKeyboard.. hic:%08llx", static_cast<unsigned long long>(reinterpret_cast<quintptr>(m_hic)));
}

THangulComposer::~THangulComposer()
{
    if (m_hic)
        hangul_ic_delete(m_hic);
}

void THangulComposer::reset(const QString& committed)
{
    m_commit = committed;
    if (m_hic)
        hangul_ic_reset(m_hic);
}

QString THangulComposer::preedit() const
{
    return m_hic ? fromUcs(hangul_ic_get_preedit_string(m_hic)) : QString();
}

QString THangulComposer::text() const
{
    return m_commit + preedit();
}

bool THangulComposer::key(char c, int maxLength)
{
    if (!m_hic || c <= 0)
        return false;
    const QString shown = text();
    const bool composed = hangul_ic_process(m_hic, c);
    QString add = fromUcs(hangul_ic_get_commit_string(m_hic));
    // libhangul hands back a key it does not compose after committing the
    // syllable in progress; the key itself is ours to insert.
    if (!composed)
        add += QLatin1Char(c);
    if (maxLength >= 0 && m_commit.length() + add.length() + preedit().length() > maxLength) {
        hangul_ic_reset(m_hic);
        m_commit = shown.left(maxLength);
        return false;
    }
    m_commit += add;
    return true;
}

bool THangulComposer::backspace()
{
    if (!m_hic)
        return false;
    const bool removed = hangul_ic_backspace(m_hic);
    qCDebug(lcUiBase, "Mode_Hangul.. res:%d", removed ? 1 : 0);
    return removed;
}
