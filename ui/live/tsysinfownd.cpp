#include "tsysinfownd.h"
#include "ctlres.h"
#include "dvrrecords.h"
#include "focuslink.h"
#include "tbutton.h"
#include "tcombo.h"
#include "tconfig.h"
#include "tdvrapi.h"
#include "textutil.h"
#include "uilivelog.h"

#include <QCoreApplication>
#include <QDate>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

namespace {

enum { BackImage = 125, TitleColor = 28, CaptionColor = 29, FieldFrame = 22 };

void postKey(QWidget* w, QEvent::Type type)
{
    if (w)
        QCoreApplication::postEvent(w, new QKeyEvent(type, Qt::Key_Space, Qt::NoModifier));
}

QString textOr(int id, const char* fallback)
{
    const QString t = ctlText(id);
    return t.isEmpty() ? QString::fromLatin1(fallback) : t;
}

const PropDevices* devices()
{
    return g_cfg ? static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, 0)) : nullptr;
}

// A text field of a device record, read no further than the field.
template <int N> QString fieldString(const char (&text)[N])
{
    return QString::fromUtf8(text, int(qstrnlen(text, N)));
}

QString gb(int mb)
{
    return fToStr(1, mb / 1024.0);
}

// A value condensed to the width of its field rather than cut (a disk text
// with its temperatures is longer than the field).
void setFitted(QLabel* field, const QString& text)
{
    QFont f = field->font();
    f.setStretch(100);
    const int room = field->contentsRect().width() - 2 * field->indent();
    const int w = QFontMetrics(f).horizontalAdvance(text);
    if (w > room && room > 0)
        f.setStretch(qMax(1, room * 100 / w));
    field->setFont(f);
    field->setText(text);
}

} // namespace

TSysInfoWnd::TSysInfoWnd(QWidget* parent, int id, QSize size)
    : TDefWnd(parent, id, size), m_focusGrid{nullptr, nullptr}, m_icon(nullptr)
{
    setWindowModality(Qt::ApplicationModal);
    m_icon = TRes::makeIcon(ctlImage(21), 4, false);
    m_okBtn = new TButton(this, m_icon, QString(), 0, ctlColor(0), 4);
    m_clientCombo = new TCombo(this, 0);
    QLabel** fields[] = {&m_version, &m_hdd1, &m_hdd2, &m_mac, &m_ip, &m_watch, &m_search, &m_setup, &m_oldest};
    for (QLabel** f : fields) {
        *f = new QLabel(this);
        (*f)->setFrameStyle(FieldFrame);
        (*f)->setAutoFillBackground(true);
        (*f)->setIndent(ctlScale(4));
        // The values are only shown: the operator never edits them.
        (*f)->setEnabled(false);
    }
    evtResize();
    evtLanguage();
}

TSysInfoWnd::~TSysInfoWnd()
{
    delete m_okBtn;
    delete m_icon;
}

bool TSysInfoWnd::twoDisks()
{
    const PropDevices* dev = devices();
    return dev && dev->storage == 2;
}

QLabel* TSysInfoWnd::field(int row) const
{
    switch (row) {
    case ROW_VERSION: return m_version;
    case ROW_HDD1: return m_hdd1;
    case ROW_HDD2: return m_hdd2;
    case ROW_MAC: return m_mac;
    case ROW_IP: return m_ip;
    case ROW_WATCH: return m_watch;
    case ROW_SEARCH: return m_search;
    case ROW_SETUP: return m_setup;
    case ROW_OLDEST: return m_oldest;
    default: return nullptr;
    }
}

QString TSysInfoWnd::fieldText(int row) const
{
    if (row == ROW_CLIENTS)
        return m_clientCombo->currentText();
    const QLabel* f = field(row);
    return f ? f->text() : QString();
}

QStringList TSysInfoWnd::clients() const
{
    QStringList out;
    for (int i = 0; i < m_clientCombo->count(); ++i)
        out << m_clientCombo->itemText(i);
    return out;
}

void TSysInfoWnd::evtResize()
{
    if (!m_okBtn)
        return;
    const int W = width();
    const int H = height();
    const QSize bs = ctlSize(21, QSize(85, 25));
    m_okBtn->setGeometry((W - bs.width()) / 2, H - bs.height() - ctlScale(12), bs.width(), bs.height());

    const bool two = twoDisks();
    m_hdd2->setVisible(two);
    const int rowH = ctlScale(20);
    const int left = ctlScale(24);
    const int captionW = ctlScale(128) + ctlScale(15);
    int y = ctlScale(40) + ctlScale(2);
    for (int r = 0; r < ROW_COUNT; ++r) {
        if (r == ROW_HDD2 && !two) {
            m_rowRect[r] = QRect();
            continue;
        }
        m_rowRect[r] = QRect(left, y, captionW, rowH);
        const QRect box(m_rowRect[r].right() + 1 + ctlScale(2) + ctlScale(10), y, ctlScale(192), rowH);
        if (r == ROW_CLIENTS)
            m_clientCombo->setGeometry(box);
        else
            field(r)->setGeometry(box);
        y += rowH + ctlScale(2);
    }
}

void TSysInfoWnd::connectTo()
{
    connect(m_okBtn, &TButton::sg_clicked, this, &TSysInfoWnd::sl_btnclicked);
}

void TSysInfoWnd::disconnectFrom()
{
    disconnect(m_okBtn, &TButton::sg_clicked, this, &TSysInfoWnd::sl_btnclicked);
}

void TSysInfoWnd::evtShow()
{
    evtLanguage();
    m_focusGrid[0] = m_clientCombo;
    m_focusGrid[1] = m_okBtn;
    m_okBtn->setFocus(Qt::OtherFocusReason);
    const PropDevices* dev = devices();
    const int v = dev ? dev->version : 0;
    setFitted(m_version, QString::asprintf("%d.%d.%d.%d", v / 1000, v % 1000 / 100, v % 100 / 10, v % 10));
    emit sg_request(0);
    emit sg_request(1);
    emit sg_request(2);
    if (!m_curCtrl) {
        m_curCtrl = m_okBtn;
        m_okBtn->setFocus(Qt::OtherFocusReason);
    }
}

void TSysInfoWnd::evtHide() {}

void TSysInfoWnd::evtLanguage()
{
    if (m_okBtn)
        m_okBtn->setText(textOr(24, "OK"));
}

void TSysInfoWnd::setUsers(const NetClientInfo* info)
{
    if (!info)
        return;
    setFitted(m_mac, fieldString(info->mac).toUpper());
    // The address the interface holds (a DHCP lease), as the device last
    // reported it; the stored one before any report.
    QString ip = fieldString(g_api.m_eth0Text[0]);
    if (ip.isEmpty() && g_cfg)
        ip = fieldString(static_cast<const PropNetaddr*>(g_cfg->getsection(IDX_PROP_NETADDR, 1))->ip);
    setFitted(m_ip, ip);
    setFitted(m_watch, QString::number(info->watch));
    setFitted(m_search, QString::number(info->search));
    setFitted(m_setup, QString::number(info->setup));
    // No recording yet leaves no date to show.
    const int32_t* t = g_api.m_storage.oldest;
    const bool recorded = QDate(t[0], t[1], t[2]).isValid() && g_cfg;
    setFitted(m_oldest, recorded ? g_cfg->datetext(t[0], t[1], t[2]) + QLatin1Char(' ')
                                       + g_cfg->timetext(t[3], t[4], t[5])
                                 : QString());
    m_clientCombo->clear();
    // The count is the device's: the list never reads past its table.
    const int n = qBound(0, int(info->count), int(NetClientInfo::MAX_CLIENTS));
    for (int i = 0; i < n; ++i)
        m_clientCombo->addItem(fieldString(info->client[i]));
}

QString TSysInfoWnd::diskText(const QString& type, int usedMB, int totalMB)
{
    if (type == textOr(105, "HDD"))
        return gb(usedMB) + QLatin1Char('/') + gb(totalMB) + QStringLiteral(" GB");
    const QString notFormat = textOr(109, "Not Format");
    if (type == notFormat)
        return notFormat + gb(totalMB) + QStringLiteral(" GB");
    return type;
}

void TSysInfoWnd::setHddInfo(const StorageInfo* s)
{
    if (!s)
        return;
    if (twoDisks()) {
        QLabel* const disks[2] = {m_hdd1, m_hdd2};
        for (int i = 0; i < 2; ++i)
            setFitted(disks[i], diskText(fieldString(s->disk[i].text), s->disk[i].usedMB, s->disk[i].totalMB));
    } else {
        setFitted(m_hdd1, diskText(fieldString(s->summary), s->usedMB, s->totalMB));
    }
}

void TSysInfoWnd::setTemperature(const SmartInfo* s)
{
    if (!s)
        return;
    if (twoDisks()) {
        QLabel* const disks[2] = {m_hdd1, m_hdd2};
        const QChar deg(0xB0);
        for (int i = 0; i < 2; ++i) {
            if (!s->valid[i])
                continue;
            const QString fahrenheit = fToStr(1, double(qint64(s->temp[i]) * 9 / 5 + 32));
            setFitted(disks[i], disks[i]->text() + QStringLiteral("(%1%2C/%3%2F)").arg(s->temp[i]).arg(deg).arg(fahrenheit));
        }
    }
    if (!m_curCtrl) {
        m_curCtrl = m_okBtn;
        m_okBtn->setFocus(Qt::OtherFocusReason);
    }
}

void TSysInfoWnd::sl_btnclicked(int id, int)
{
    if (id == 0)
        hideWnd();
}

void TSysInfoWnd::evtKeydown(int key)
{
    switch (key) {
    case Qt::Key_Enter:
        if (m_curCtrl && m_curCtrl->hasFocus())
            postKey(m_curCtrl, QEvent::KeyPress);
        break;
    case Qt::Key_Escape:
        sl_btnclicked(0);
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        m_curCtrl = focusMoveGrid(key, m_focusGrid, 2, 1, 1);
        if (!m_curCtrl) {
            m_curCtrl = m_okBtn;
            m_okBtn->setFocus(Qt::OtherFocusReason);
        }
        break;
    default:
        break;
    }
}

void TSysInfoWnd::evtKeyup(int key)
{
    if (key == Qt::Key_Enter && m_curCtrl && m_curCtrl->hasFocus())
        postKey(m_curCtrl, QEvent::KeyRelease);
}

QString TSysInfoWnd::caption(int row) const
{
    const QString hdd = textOr(105, "HDD");
    switch (row) {
    case ROW_VERSION: return textOr(316, "Firmware version");
    case ROW_HDD1: return twoDisks() ? hdd + QStringLiteral(" 1") : hdd;
    case ROW_HDD2: return hdd + QStringLiteral(" 2");
    case ROW_MAC: return textOr(168, "MAC Address");
    case ROW_IP: return textOr(153, "IP");
    case ROW_CLIENTS: return textOr(161, "Connected IP");
    case ROW_WATCH: return textOr(342, "Watch User");
    case ROW_SEARCH: return textOr(343, "Search User");
    case ROW_SETUP: return textOr(344, "Setup User");
    case ROW_OLDEST: return textOr(418, "Oldest Date");
    default: return QString();
    }
}

void TSysInfoWnd::evtPaint(QPaintEvent*)
{
    QPainter p(this);
    if (g_res) {
        m_bgImage = g_res->getImage(BackImage);
        const QSize want = g_res->getSize(BackImage);
        if (m_bgImage->size() == want)
            p.drawPixmap(0, 0, *m_bgImage);
        else
            p.drawPixmap(0, 0, m_bgImage->scaled(want, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    p.setPen(ctlColor(TitleColor));
    p.drawText(QRect(QPoint(0, 0), QPoint(width() - 1, ctlScale(32) - 1)), Qt::AlignCenter,
               textOr(17, "System Information"));
    p.setPen(ctlColor(CaptionColor));
    for (int r = 0; r < ROW_COUNT; ++r) {
        if (!m_rowRect[r].isNull())
            p.drawText(m_rowRect[r], Qt::AlignRight | Qt::AlignVCenter, caption(r));
    }
}
