// External media: the backup devices (scan, select, mount), the file lists
// of a folder on them for the file chooser, and the snapshot to the stick.
#include "tdvrapi.h"
#include "tpath.h"

#include <QCoreApplication>
#include <QDir>
#include <QLoggingCategory>
#include <QMutexLocker>
#include <algorithm>
#include <cstring>

Q_DECLARE_LOGGING_CATEGORY(lcApi)

namespace {
// The kind of a device request: 0 USB, anything else the optical drive.
int kindOf(int bd)
{
    return bd == 0 ? 0 : 1;
}

// What "ls -X" sorts by: the text from a name's last dot on, none without.
QString extensionOf(const QString& name)
{
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot);
}
}

int TDVRAPI::detectExtSd(int win, int act)
{
    qCDebug(lcApi, "TDVRAPI::detectExtSd.. win_id:%d act_id:%d", win, act);
    m_bdWin = win;
    m_bdAct = act;
    DalBackupScanBd();
    return 0;
}

void TDVRAPI::selectExtSd(int win, int act, int bd)
{
    qCDebug(lcApi, "TDVRAPI::selectExtSd.. bd_id:%d", bd);
    bd = kindOf(bd);
    m_bdWin = win;
    m_bdAct = act;
    {
        QMutexLocker lock(&m_backupMutex);
        m_bdList.selected = bd;
    }
    DalBackupSetBd(bd);
}

int TDVRAPI::mountExtSd(int win, int act, int mount, int bd)
{
    qCDebug(lcApi, "TDVRAPI::mountExtSd.. win_id:%d act_id:%d mount:%d bd_id:%d", win, act, mount, bd);
    // Changing the medium unmounts the one a running copy writes to.
    if (m_backupBusy) {
        qCWarning(lcApi, "TDVRAPI::mountExtSd refused: a backup runs");
        return -1;
    }
    m_bdWin = win;
    m_bdAct = act;
    DalBackupUmount();
    DalBackupCloseDb();
    DalBackupSetBd(bd);
    if (mount)
        DalBackupMount();
    QMutexLocker lock(&m_backupMutex);
    m_bdList.selected = kindOf(bd);
    return 0;
}

void TDVRAPI::umountExtSd()
{
    qCDebug(lcApi, "TDVRAPI::umountExtSd");
    // The medium goes only after the copy has stopped writing to it.
    if (m_backupBusy)
        backupStop();
    DalBackupUmount();
    DalBackupCloseDb();
    m_backupBusy = 0;
}

void TDVRAPI::fill_file(const QString& path, const QString& filter, int perPage)
{
    m_listInfo = ListInfo();
    if (perPage < 1 || perPage > PageLines::MAX_LINES)
        return;
    m_fileList.clear();
    // The match text: the filter (at most 127 bytes) without its first
    // character, so "*.fwr" matches the names that contain ".fwr".
    const QString match = QString::fromUtf8(filter.toUtf8().left(127)).mid(1);
    qCDebug(lcApi, "fill_file.. path:%s filter:%s, %s", qUtf8Printable(path), qUtf8Printable(filter),
            qUtf8Printable(match));

    // The folder is read here, not through a shell: every name arrives whole,
    // whatever characters it holds.
    const QString dir = TPath::map(path);
    if (!dir.isEmpty()) {
        const QStringList names = QDir(dir).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Unsorted);
        for (const QString& name : names) {
            qCDebug(lcApi, "fill_file.. szt:#%s#", qUtf8Printable(name));
            if (!name.contains(match))
                continue;
            // A name its page line does not give back byte for byte (UTF-8
            // that begins with U+FEFF is read back without it) would open
            // another file or none: it is left out, as Qt leaves out a name
            // that is not UTF-8.
            const QByteArray bytes = name.toUtf8();
            if (QString::fromUtf8(bytes) != name)
                continue;
            // A name that does not fit a page line would be cut into another
            // name (or half a character): it is left out.
            if (bytes.size() > PageLines::LINE_SIZE - 1) {
                qCWarning(lcApi, "fill_file.. name too long, skipped: %s", qUtf8Printable(name));
                continue;
            }
            qCDebug(lcApi, "fill_file.. #%s#", qUtf8Printable(name));
            m_fileList.append(name);
        }
    }
    std::sort(m_fileList.begin(), m_fileList.end(), [](const QString& a, const QString& b) {
        const int byExt = QString::compare(extensionOf(a), extensionOf(b), Qt::CaseSensitive);
        return byExt != 0 ? byExt < 0 : QString::compare(a, b, Qt::CaseSensitive) < 0;
    });
    m_listInfo.total = m_fileList.size();
    m_listInfo.perPage = perPage;
    m_listInfo.pages = (m_listInfo.total + perPage - 1) / perPage;
}

void TDVRAPI::readDirFile(int page)
{
    std::memset(&m_pageLines, 0, sizeof m_pageLines);
    m_pageLines.page = -1;
    const int perPage = m_listInfo.perPage;
    if (page < 0 || page >= m_listInfo.pages || perPage < 1)
        return;
    qCDebug(lcApi, "readDirFile.. pages:%d num:%d page:%d totals:%d linesInPage:%d", m_listInfo.pages,
            m_listInfo.total % perPage, page, m_listInfo.total, perPage);
    const int first = page * perPage;
    const int n = qMin(perPage, m_fileList.size() - first);
    for (int i = 0; i < n; ++i) {
        // Every listed name fits its line (fill_file left out the others).
        const QByteArray name = m_fileList.at(first + i).toUtf8();
        std::memcpy(m_pageLines.line[i], name.constData(), size_t(qMin(name.size(), PageLines::LINE_SIZE - 1)));
    }
    m_pageLines.count = qMax(0, n);
    m_pageLines.page = page;
}

void TDVRAPI::snapshot()
{
    emit sg_dvrNotify(SIG_STATE_START, 0, 0, 0, QCoreApplication::translate("TString", "Snapshot"),
                      QCoreApplication::translate("TString", "Please wait..."));
    DalBackupSnapshot();
}

QString* TDVRAPI::testScanBd(QString* out)
{
    DalBackupScanBd();
    if (out)
        *out = QStringLiteral("Please wait");
    return out;
}
