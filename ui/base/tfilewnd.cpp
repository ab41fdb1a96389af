#include "tfilewnd.h"
#include "ctlres.h"
#include "dvrrecords.h"
#include "tbutton.h"
#include "tcombo.h"
#include "textutil.h"
#include "tkeys.h"
#include "tlistview.h"
#include "uibaselog.h"

#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

namespace {

enum { BTN_OK = 0, BTN_CANCEL = 1 };
enum { LIST_FIRST = 0, LIST_PREV = 1, LIST_NEXT = 2, LIST_LAST = 3, LIST_PUCK = 4 };
enum { FOCUS_DEVICE, FOCUS_LIST, FOCUS_OK, FOCUS_CANCEL, FOCUS_COUNT };

void postKey(QWidget* w, QEvent::Type type, int key)
{
    if (w)
        QCoreApplication::postEvent(w, new QKeyEvent(type, key, Qt::NoModifier, QString(), false, 1));
}

QString text(int id, const char* fallback)
{
    const QString t = ctlText(id);
    return t.isEmpty() ? QString::fromLatin1(fallback) : t;
}

} // namespace

TFileWnd::TFileWnd(QWidget* parent, int id, QSize size)
    : TDefWnd(parent, id, size),
      m_btnOk(nullptr),
      m_btnCancel(nullptr),
      m_name(nullptr),
      m_device(nullptr),
      m_focus(),
      m_list(nullptr),
      m_pages(0),
      m_total(0),
      m_page(-1),
      m_perPage(0),
      m_icon(nullptr)
{
    setWindowModality(Qt::ApplicationModal);
}

TFileWnd::~TFileWnd()
{
    // The buttons paint with the icon: they go before it.
    delete m_btnOk;
    delete m_btnCancel;
    delete m_device;
    delete m_name;
    delete m_icon;
}

void TFileWnd::init(int)
{
    m_icon = TRes::makeIcon(ctlImage(21), 4, false);
    m_btnOk = new TButton(this, m_icon, QString(), BTN_OK, QColor(0, 0, 0), 4);
    m_btnCancel = new TButton(this, m_icon, QString(), BTN_CANCEL, QColor(0, 0, 0), 4);
    m_name = new QLabel(this);
    m_name->setIndent(ctlScale(4));
    QPalette pal = m_name->palette();
    pal.setColor(QPalette::WindowText, ctlColor(34));
    m_name->setPalette(pal);
    m_device = new TCombo(this, 0);
    // Owner paging: the list holds the page shown; the window asks for others.
    m_list = new TListView(this, 0, QSize(100, 100), 0, 1);
    m_list->init();
    evtResize();

    const auto link = [this](int i, QWidget* w, QWidget* right, QWidget* left, QWidget* down, QWidget* up) {
        m_focus[i] = FocusLink{i, w, right, left, down, up};
    };
    link(FOCUS_DEVICE, m_device, m_device, m_device, m_list, m_btnOk);
    link(FOCUS_LIST, m_list, m_list, m_list, m_btnOk, m_device);
    link(FOCUS_OK, m_btnOk, m_btnCancel, m_btnCancel, m_device, m_list);
    link(FOCUS_CANCEL, m_btnCancel, m_btnOk, m_btnOk, m_device, m_list);
    evtLanguage();
}

void TFileWnd::setTitle(const QString& title)
{
    m_title = title;
}

void TFileWnd::setPath(const QString& dir, const QString& pattern)
{
    m_path = dir;
    m_filter = pattern;
}

QString TFileWnd::chosenName() const
{
    return m_name ? m_name->text() : QString();
}

void TFileWnd::connectTo()
{
    connect(m_btnOk, &TButton::sg_clicked, this, &TFileWnd::sl_btnclicked);
    connect(m_btnCancel, &TButton::sg_clicked, this, &TFileWnd::sl_btnclicked);
    connect(m_list, &TListView::sg_notify, this, &TFileWnd::sl_fromlist);
    connect(m_list, &TListView::sg_clicked, this, &TFileWnd::sl_clickedList);
    connect(m_list, &TListView::sg_oneclicked, this, &TFileWnd::sl_clickedList);
}

void TFileWnd::disconnectFrom()
{
    disconnect(m_btnOk, &TButton::sg_clicked, this, &TFileWnd::sl_btnclicked);
    disconnect(m_btnCancel, &TButton::sg_clicked, this, &TFileWnd::sl_btnclicked);
    disconnect(m_list, &TListView::sg_notify, this, &TFileWnd::sl_fromlist);
    disconnect(m_list, &TListView::sg_clicked, this, &TFileWnd::sl_clickedList);
    disconnect(m_list, &TListView::sg_oneclicked, this, &TFileWnd::sl_clickedList);
}

void TFileWnd::evtShow()
{
    // Files come from the USB stick only.
    m_device->clear();
    m_device->addItem(text(112, "USB"));
    m_device->setEnabled(false);
    evtLanguage();
    m_btnOk->setFocus(Qt::OtherFocusReason);

    m_list->clear();
    m_list->refresh();
    m_perPage = m_list->maxLine();
    m_pages = 0;
    m_page = -1;
    m_total = 0;
    emit sg_request(Act_FileInit, m_perPage, m_path, m_filter);
}

void TFileWnd::evtHide()
{
    m_name->clear();
}

void TFileWnd::initLiveview(const ListInfo* info)
{
    m_total = info ? info->total : 0;
    m_pages = info ? qMax(0, info->pages) : 0;
    m_page = -1;
    qCDebug(lcUiBase, "initLiveview.. m_pages:%d", m_pages);
    if (m_pages > 0) {
        m_list->renewalSliderPuck(m_pages);
        emit sg_request(Act_FilePage, 0, QString(), QString());
    }
}

void TFileWnd::readListview(const PageLines* page)
{
    const int count = page ? qBound(0, page->count, int(PageLines::MAX_LINES)) : 0;
    qCDebug(lcUiBase, "TFileWnd::readListview.. num:%d", count);
    m_list->clear();
    for (int i = 0; i < count; ++i) {
        // A line is a name of at most 63 bytes; one without its terminator
        // is read no further than its field.
        const char* line = page->line[i];
        m_list->findItem(QString::fromUtf8(line, int(qstrnlen(line, PageLines::LINE_SIZE))));
    }
    m_page = page ? page->page : -1;
    m_list->setPage(m_page);
    m_list->refresh();
}

void TFileWnd::selectFirst()
{
    const QString first = m_list->lineText(0);
    qCDebug(lcUiBase, "TFileWnd::selectFirst count:%d", m_list->count());
    if (first.isEmpty())
        return;
    qCDebug(lcUiBase, "strtxt:%s", qUtf8Printable(first));
    m_name->setText(first);
}

void TFileWnd::requestPage(int page)
{
    emit sg_request(Act_FilePage, page, QString(), QString());
}

void TFileWnd::sl_fromlist(int code, int value)
{
    switch (code) {
    case LIST_FIRST:
        requestPage(0);
        break;
    case LIST_PREV:
        if (m_page > 0)
            requestPage(m_page - 1);
        break;
    case LIST_NEXT:
        if (m_page < m_pages - 1)
            requestPage(m_page + 1);
        break;
    case LIST_LAST:
        requestPage(m_pages - 1);
        break;
    case LIST_PUCK:
        requestPage(value);
        break;
    default: // a line pressed: the choice comes with the click
        break;
    }
}

void TFileWnd::sl_clickedList(int data)
{
    if (data >= 0)
        m_name->setText(m_list->currentText());
}

void TFileWnd::sl_btnclicked(int id, int)
{
    if (id == BTN_OK) {
        const QString name = m_name->text(); // hiding empties it
        hideWnd();
        if (!name.isEmpty())
            emit sg_reply(name);
    } else if (id == BTN_CANCEL) {
        hideWnd();
    }
}

void TFileWnd::evtKeydown(int key)
{
    if (m_list->keyEvent(key))
        return;
    QWidget* next = nullptr;
    switch (key) {
    case Qt::Key_Escape:
        sl_btnclicked(BTN_CANCEL, 0);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        QWidget* w = focusFind(key, m_focus, FOCUS_COUNT);
        postKey(w, QEvent::KeyPress, w == m_list ? Qt::Key_Enter : Qt::Key_Space);
        return;
    }
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        next = focusMove(key, m_focus, FOCUS_COUNT);
        break;
    case KEY_JOG_LEFT:
    case KEY_JOG_RIGHT:
        next = focusNextPrev(key, m_focus, FOCUS_COUNT);
        break;
    default:
        return;
    }
    (next ? next : m_btnOk)->setFocus(Qt::OtherFocusReason);
}

void TFileWnd::evtKeyup(int key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        postKey(focusFind(key, m_focus, FOCUS_COUNT), QEvent::KeyRelease, Qt::Key_Space);
}

void TFileWnd::evtLanguage()
{
    if (!m_btnOk)
        return;
    m_btnOk->setText(text(24, "OK"));
    m_btnCancel->setText(text(25, "CANCEL"));
}

void TFileWnd::evtResize()
{
    if (!m_list)
        return;
    // Under the title band: the device row, the file-name row and the list;
    // the buttons at the bottom, each centred in its half of the window.
    const int w = width(), h = height();
    const int margin = ctlScale(10);
    const int rowH = g_res ? g_res->getValue(19) : 24;
    const int labelW = ctlScale(100);
    const int fieldX = margin + labelW;
    const int row1 = ctlScale(40);
    const int row2 = row1 + rowH + ctlScale(8);
    m_titleRect = QRect(0, 0, w, ctlScale(30));
    m_deviceRect = QRect(margin, row1, labelW, rowH);
    m_nameRect = QRect(margin, row2, labelW - ctlScale(4), rowH);
    m_device->setGeometry(fieldX, row1, ctlScale(160), rowH);
    m_name->setGeometry(fieldX, row2, w - fieldX - margin, rowH);

    const QSize bs = ctlSize(21, QSize(85, 25));
    const int by = h - bs.height() - ctlScale(12);
    m_btnOk->setGeometry((w / 2 - bs.width()) / 2, by, bs.width(), bs.height());
    m_btnCancel->setGeometry(w / 2 + (w / 2 - bs.width()) / 2, by, bs.width(), bs.height());

    const int listY = row2 + rowH + ctlScale(10);
    m_list->setGeometry(margin, listY, w - 2 * margin, qMax(1, by - ctlScale(10) - listY));
    // The list arranges its lines and paging column for the size it got.
    m_list->relayout();
}

void TFileWnd::evtPaint(QPaintEvent*)
{
    QPainter p(this);
    if (g_res) {
        m_bgImage = g_res->getImage(125);
        const QSize want = g_res->getSize(125);
        if (m_bgImage->size() == want)
            p.drawPixmap(0, 0, *m_bgImage);
        else
            p.drawPixmap(0, 0, m_bgImage->scaled(want, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    p.setPen(ctlColor(28));
    p.drawText(m_titleRect, Qt::AlignCenter, m_title);
    p.setPen(ctlColor(29));
    p.drawText(m_deviceRect, Qt::AlignLeft | Qt::AlignVCenter, text(7, "Device"));
    drawFitText(&p, m_nameRect, Qt::AlignLeft | Qt::AlignVCenter, text(201, "File Name"));
    // The chosen name sits in a field like the other controls'.
    const QRect field = m_name->geometry();
    p.fillRect(field, ctlColor(33));
    p.setPen(ctlColor(35));
    p.drawRect(field.adjusted(0, 0, -1, -1));
}
