#include "tsetupslog.h"
#include "tclock.h"
#include "appglobals.h"
#include "ctlres.h"
#include "dvrrecords.h"
#include "setupaction.h"
#include "textutil.h"
#include "tlistview.h"
#include "tvkeyboard.h"
#include "uisetuplog.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QKeyEvent>

using namespace SetupAct;

namespace {

enum { TxtRefresh = 32, TxtExport = 178, TxtFileExport = 346, MaxPerPage = 99 };

QVector<TSetupPage::Row> rows()
{
    using P = TSetupPage;
    QVector<P::Row> r(3);
    r[TSetupSlog::RowList].right = P::L_ITEM;
    r[TSetupSlog::RowList].left = P::L_ITEM;
    r[TSetupSlog::RowList].down = TSetupSlog::RowRefresh;
    r[TSetupSlog::RowList].up = P::L_TAB;
    r[TSetupSlog::RowRefresh].text = TxtRefresh;
    r[TSetupSlog::RowRefresh].right = TSetupSlog::RowExport;
    r[TSetupSlog::RowRefresh].left = P::L_OK;
    r[TSetupSlog::RowRefresh].down = P::L_TAB;
    r[TSetupSlog::RowRefresh].up = TSetupSlog::RowList;
    r[TSetupSlog::RowExport].text = TxtExport;
    r[TSetupSlog::RowExport].right = P::L_OK;
    r[TSetupSlog::RowExport].left = TSetupSlog::RowRefresh;
    r[TSetupSlog::RowExport].down = P::L_TAB;
    r[TSetupSlog::RowExport].up = TSetupSlog::RowList;
    return r;
}

} // namespace

TSetupSlog::TSetupSlog(QWidget* parent, int id, QSize size) : TSetupPage(parent, id, size)
{
    Params p;
    p.replies = {Act_InfoSlog, Act_InfoSlog2, Act_InfoSlogLines, Act_ConfDetect, Act_ConfMount};
    p.firstRow = RowRefresh;
    p.itemRight = RowList;
    p.itemLeft = RowList;
    p.okRight = RowRefresh;
    p.okLeft = RowExport;
    p.cancelRight = RowRefresh;
    p.cancelLeft = RowExport;
    setRows(rows(), p);
}

void TSetupSlog::init(int background)
{
    TSetupPage::init(background);
    // The list row holds the paged list in place of the base's button.
    delete m_ctrl[RowList];
    m_list = new TListView(this, 0, QSize(100, 100), 0, 0);
    m_list->init();
    m_ctrl[RowList] = m_list;
    evtResize();
}

void TSetupSlog::evtResize()
{
    TSetupPage::evtResize();
    if (!m_list)
        return;
    // "Refresh" and "Export" side by side above the list.
    const int margin = ctlScale(16);
    const QSize bs = m_ctrl[RowRefresh]->size();
    m_ctrl[RowRefresh]->move(margin, margin);
    m_ctrl[RowExport]->move(margin + bs.width() + ctlScale(10), margin);
    const int top = margin + bs.height() + ctlScale(10);
    m_list->setGeometry(margin, top, width() - 2 * margin, qMax(1, height() - top - margin));
    m_list->relayout();
}

void TSetupSlog::connectTo()
{
    TSetupPage::connectTo();
    connect(m_list, &TListView::sg_notify, this, &TSetupSlog::sl_fromlist);
    if (g_vkeyboard)
        connect(g_vkeyboard, &TVKeyboard::sg_reply, this, &TSetupSlog::sl_nameReply, Qt::UniqueConnection);
}

void TSetupSlog::disconnectFrom()
{
    if (g_vkeyboard)
        disconnect(g_vkeyboard, &TVKeyboard::sg_reply, this, &TSetupSlog::sl_nameReply);
    m_askName = 0;
    TSetupPage::disconnectFrom();
}

void TSetupSlog::clearList()
{
    m_list->clear();
    m_list->refresh();
    m_total = 0;
    m_pages = 0;
    m_page = -1;
}

void TSetupSlog::evtShow()
{
    TSetupPage::evtShow();
    clearList();
    // The log pages hold at most 99 lines: a taller list asks for 99.
    m_perPage = qBound(1, m_list->maxLine(), int(MaxPerPage));
    emit sg_action(Act_InfoSlog, m_perPage, 0);
}

void TSetupSlog::onReply(int code, const void* data)
{
    switch (code) {
    case Act_InfoSlog:
    case Act_InfoSlog2: {
        const auto* info = static_cast<const ListInfo*>(data);
        m_total = qMax(0, int(info->total));
        m_pages = qMax(0, int(info->pages));
        m_page = -1;
        qCDebug(lcUiSetup, "TSetupSlog::setInfo.. total:%d pages:%d", m_total, m_pages);
        m_list->renewalSliderPuck(m_pages);
        // The newest entries first.
        if (m_pages > 0)
            emit sg_action(Act_InfoSlogLines, m_pages - 1, 0);
        break;
    }
    case Act_InfoSlogLines: {
        const auto* lines = static_cast<const PageLines*>(data);
        m_list->clear();
        const int count = qBound(0, int(lines->count), int(PageLines::MAX_LINES));
        if (lines->page >= 0) {
            for (int i = 0; i < count; ++i) {
                const QString tag = QString::fromUtf8(lines->tag[i], int(qstrnlen(lines->tag[i], PageLines::LINE_SIZE)));
                const QString text =
                    QString::fromUtf8(lines->line[i], int(qstrnlen(lines->line[i], PageLines::LINE_SIZE)));
                m_list->addItem(QString::asprintf("%05d:[", m_perPage * lines->page + 1 + i) + tag + "] " + text);
            }
            m_page = lines->page;
            m_list->setPage(m_page);
        }
        m_list->refresh();
        break;
    }
    case Act_ConfDetect: emit sg_action(Act_ConfMount, 0, 0); break;
    case Act_ConfMount: askFileName(); break;
    default: break;
    }
}

void TSetupSlog::sl_fromlist(int cmd, int arg)
{
    qCDebug(lcUiSetup, "TSetupSlog::sl_fromlist.. cmd:%d arg:%d page:%d pages:%d", cmd, arg, m_page, m_pages);
    switch (cmd) {
    case 0: emit sg_action(Act_InfoSlogLines, 0, 0); break;
    case 1:
        if (m_page > 0)
            emit sg_action(Act_InfoSlogLines, --m_page, 0);
        break;
    case 2:
        if (m_page < m_pages - 1)
            emit sg_action(Act_InfoSlogLines, ++m_page, 0);
        break;
    case 3: emit sg_action(Act_InfoSlogLines, m_pages - 1, 0); break;
    case 4: emit sg_action(Act_InfoSlogLines, arg, 0); break;
    default: break;
    }
}

void TSetupSlog::buttonClicked(int row)
{
    if (row == RowRefresh) {
        clearList();
        emit sg_action(Act_InfoSlog2, m_perPage, 0);
    } else if (row == RowExport) {
        emit sg_action(Act_ConfDetect, 0, 0);
    }
}

void TSetupSlog::askFileName()
{
    if (!g_vkeyboard || !isVisible())
        return;
    m_askName = 1;
    g_vkeyboard->setTitle(ctlText(TxtFileExport));
    g_vkeyboard->setMaxLength(NAME_SIZE - 1);
    g_vkeyboard->setText(TClock::now().toString("yyyyMMddHHmmss") + "_log.txt");
    g_vkeyboard->setPassword(0);
    g_vkeyboard->moveCenter(parentWidget() ? parentWidget() : this);
    g_vkeyboard->show();
}

void TSetupSlog::sl_nameReply(int code, QString text)
{
    if (!m_askName)
        return;
    m_askName = 0;
    if (code != VK_OK)
        return;
    q2Utf8Whole(m_fileName, text, NAME_SIZE);
    emit sg_action(Act_SlogExport, 0, 0, QString::fromUtf8(m_fileName));
}

int TSetupSlog::keyTaken(int key)
{
    if (m_list->keyEvent(key))
        return 1;
    if ((key == Qt::Key_Enter || key == Qt::Key_Return) && m_list->hasFocus()) {
        QCoreApplication::postEvent(m_list, new QKeyEvent(QEvent::KeyPress, Qt::Key_Enter, Qt::NoModifier));
        return 1;
    }
    return 0;
}
