#include "tinfo.h"
#include "tclock.h"
#include "ctlres.h"
#include "focuslink.h"
#include "tbutton.h"
#include "tconfig.h"
#include "tdefault.h"
#include "textutil.h"
#include "uisearchlog.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QIcon>
#include <QKeyEvent>
#include <QPainter>

#include <cmath>
#include <cstring>

namespace {

enum { BackImage = 25, BtnSize = 27, PlayBtnSize = 40, TextColor = 1, AudioColorOem8 = 32 };
// Buttons the operator can press; the rest are indicators only.
const bool kClickable[Btn_Count] = {false, false, true, true, false, false, false, false, true,
                                    true, true, true, true, true, true, true, true};
// Requests the bar sends: every button but the network indicator.
const unsigned kRequestMask = 0x1FF7F;

struct BtnLook {
    int image;   // off (or only) image
    int onImage; // on image, 0 for a one-image button
    int type;
};
const BtnLook kLooks[Btn_Count] = {
    {27, 0, 4},    {28, 0, 4},   {37, 0, 1},  {38, 39, 1}, {29, 30, 4}, {31, 32, 4},
    {33, 34, 4},   {155, 156, 4}, {35, 36, 1}, {40, 0, 4},  {41, 0, 4},  {42, 0, 4},
    {43, 0, 4},    {44, 0, 4},   {45, 0, 4},  {46, 0, 4},  {47, 0, 4},
};

int oem()
{
    return g_default ? g_default->getOem() : 0;
}

template <class T> const T* section(int idx, int live)
{
    return g_cfg ? static_cast<const T*>(g_cfg->getsection(idx, live)) : nullptr;
}

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

} // namespace

TInfo::TInfo(QWidget* parent, int id, QSize size)
    : TDefWnd(parent, id, size),
      m_btn(),
      m_icon(),
      m_playMode(0),
      m_idOn(0),
      m_panicOn(0),
      m_focusRow()
{
    setFocusPolicy(Qt::StrongFocus);
}

TInfo::~TInfo()
{
    // The buttons paint with the icons: they go first.
    for (TButton*& b : m_btn) {
        delete b;
        b = nullptr;
    }
    for (QIcon*& i : m_icon) {
        delete i;
        i = nullptr;
    }
}

TButton* TInfo::button(int idx) const
{
    return unsigned(idx) < unsigned(Btn_Count) ? m_btn[idx] : nullptr;
}

void TInfo::init(int)
{
    m_playMode = 0;
    for (int i = 0; i < Btn_Count; ++i) {
        const BtnLook& look = kLooks[i];
        m_icon[i] = TRes::makeIcon(ctlImage(look.image), 4, false);
        if (look.onImage)
            TRes::addIconStates(m_icon[i], ctlImage(look.onImage), 4, true);
        m_btn[i] = new TButton(this, m_icon[i], QString(), i, QColor(0, 0, 0), look.type);
    }
    layoutCtrls();
    for (int i = 0; i < Btn_Count; ++i) {
        m_btn[i]->show();
        m_btn[i]->setEnabled(kClickable[i]);
    }
    m_btn[Btn_Lock]->setState(1, nullptr);
    m_btn[Btn_Net]->setState(1, nullptr);
    m_rateText = textOr(117, "Pause");
    updateAll();
}

void TInfo::layoutCtrls()
{
    if (!m_btn[0])
        return;
    auto metric = [](int id, int fallback) { return g_res ? g_res->getValue(id) : fallback; };
    const QSize bs = ctlSize(BtnSize, QSize(20, 20));
    static const int kFallbackX[9] = {80, 216, 362, 388, 425, 524, 546, 566, 594};
    const int y = metric(0, 6);
    for (int k = 0; k <= Btn_Audio; ++k)
        m_btn[k]->setGeometry(metric(k + 1, kFallbackX[k]), y, bs.width(), bs.height());
    const QSize ps = ctlSize(PlayBtnSize, QSize(15, 17));
    const int py = metric(223, 8);
    int px = metric(10, 420);
    for (int k = Btn_FRew; k <= Btn_Stop; ++k) {
        m_btn[k]->setGeometry(px, py, ps.width(), ps.height());
        px += ps.width();
    }

    // Each text stands right of its icon, as high as the icon.
    auto beside = [](const QRect& b, int gap, int w) { return QRect(b.x() + b.width() + gap, b.y(), w, b.height()); };
    const int s4 = ctlScale(4);
    const int s200 = ctlScale(200);
    m_dateRect = beside(m_btn[Btn_Icon0]->geometry(), s4, s200);
    m_timeRect = beside(m_btn[Btn_Icon1]->geometry(), s4, s200);
    m_diskRect = beside(m_btn[Btn_Icon4]->geometry(), s4, s200);
    m_audioRect = beside(m_btn[Btn_Audio]->geometry(), 2, ctlScale(50));
    m_rateRect = QRect(metric(219, 540), metric(220, 5), metric(221, 54), metric(222, 23));
    const QRect b0 = m_btn[Btn_Icon0]->geometry();
    m_idRect = QRect(b0.x(), b0.y(), ctlScale(132), b0.height());
}

void TInfo::evtResize()
{
    if (!m_btn[0])
        return;
    layoutCtrls();
    updateAll();
}

void TInfo::setVisibleBtn(int idx, bool on)
{
    if (m_btn[idx])
        m_btn[idx]->setVisible(on);
}

void TInfo::updateAll()
{
    if (!m_btn[0])
        return;
    if (m_playMode == 0) {
        for (int k = Btn_FRew; k <= Btn_Stop; ++k)
            setVisibleBtn(k, false);
        for (int k = Btn_Icon4; k <= Btn_Audio; ++k)
            setVisibleBtn(k, true);
        setVisibleBtn(Btn_Icon0, !idAreaUsed());
        const PropSchedule* sched = section<PropSchedule>(IDX_PROP_SCHEDULE, 1);
        setBtn(Btn_Icon6, sched && sched->on ? 1 : 0);
        updateTime();
        setFocus(Qt::OtherFocusReason);
        m_rateText = textOr(117, "Pause");
    } else {
        for (int k = Btn_Icon4; k <= Btn_Net; ++k)
            setVisibleBtn(k, false);
        for (int k = Btn_FRew; k <= Btn_Stop; ++k)
            setVisibleBtn(k, true);
    }
    // Split, Sequence, then the playback buttons; the audio button is left
    // to the mouse.
    m_focusRow[0] = m_btn[Btn_Split];
    m_focusRow[1] = m_btn[Btn_Seq];
    for (int k = Btn_FRew; k <= Btn_Stop; ++k)
        m_focusRow[2 + k - Btn_FRew] = m_btn[k];
    m_curCtrl = m_btn[Btn_Split];
    m_btn[Btn_Split]->setFocus(Qt::OtherFocusReason);
    update();
}

void TInfo::setPlayMode(int mode)
{
    m_playMode = mode;
    if (mode == 0)
        updateTime();
    updateAll();
    updateId(0, -1, -1);
}

void TInfo::setBtn(int idx, int on)
{
    if (TButton* b = button(idx))
        b->setState(on ? 1 : 2, nullptr);
}

void TInfo::setLock(int on)
{
    setBtn(Btn_Lock, on);
}

void TInfo::setSequence(int on)
{
    setBtn(Btn_Seq, on);
}

void TInfo::setNetClient(int on)
{
    setBtn(Btn_Net, on);
}

void TInfo::setAudio(int ch)
{
    const PropDevices* dev = section<PropDevices>(IDX_PROP_DEVICES, 0);
    const int videos = dev ? dev->videos : 0;
    if (ch >= 0 && ch < videos) {
        setBtn(Btn_Audio, 1);
        m_audioText = QString::number(ch + 1);
    } else {
        setBtn(Btn_Audio, 0);
        m_audioText.clear();
    }
    update(m_audioRect);
}

void TInfo::updateTime()
{
    if (m_playMode != 0 || !g_cfg)
        return;
    const QDateTime now = TClock::now();
    const QDate d = now.date();
    const QTime t = now.time();
    m_dateText = g_cfg->datetext(d.year(), d.month(), d.day());
    m_timeText = g_cfg->timetext(t.hour(), t.minute(), t.second());
    update(m_dateRect);
    update(m_timeRect);
    if (idAreaUsed())
        update(m_idRect);
}

void TInfo::setPbDateTime(int y, int mo, int d, int h, int mi, int s)
{
    if (m_playMode == 0 || !g_cfg)
        return;
    const QString date = g_cfg->datetext(y, mo, d);
    const QString time = g_cfg->timetext(h, mi, s);
    if (date != m_dateText) {
        m_dateText = date;
        update(m_dateRect);
    }
    if (time != m_timeText) {
        m_timeText = time;
        update(m_timeRect);
    }
}

void TInfo::setPbDate(int y, int mo, int d)
{
    if (m_playMode == 0 || !g_cfg)
        return;
    const QString date = g_cfg->datetext(y, mo, d);
    if (date == m_dateText)
        return;
    m_dateText = date;
    update(m_dateRect);
    if (idAreaUsed())
        update(m_idRect);
}

void TInfo::updateRate(double r)
{
    if (m_playMode == 0)
        return;
    QString txt;
    const double a = std::fabs(r);
    if (r == 0.0 || std::isnan(r))
        txt = textOr(117, "Pause");
    else if (a >= 1.0)
        txt = QStringLiteral("X %1").arg(int(qBound(double(INT_MIN), std::trunc(r), double(INT_MAX))));
    else if (a >= 0.5)
        txt = QStringLiteral("X") + fToStr(1, r);
    else
        txt = QStringLiteral("X") + fToStr(2, r);
    if (txt == m_rateText)
        return;
    m_rateText = txt;
    qCDebug(lcUiSearch, "TInfo::updateRate.. r:%.2f %.1f %.0f txt:%s", r, r, r, qUtf8Printable(txt));
    update(m_rateRect);
}

void TInfo::updateDate(const char* summary, int full, int, const QDateTime* oldest, const double* usage,
                       double percent)
{
    // The summary comes from a 64-byte field: read no further than it.
    const QString sum = summary ? QString::fromUtf8(summary, int(qstrnlen(summary, 64))) : QString();
    const bool inUse = sum == textOr(105, "HDD");
    setBtn(Btn_Icon4, inUse ? 1 : 0);
    const PropOsd* osd = section<PropOsd>(IDX_PROP_OSD, 0);
    if (!inUse) {
        m_diskText = sum;
    } else if (osd && osd->hdddisp == 1) {
        const QDate d = oldest ? oldest->date() : QDate();
        m_diskText = d.isValid() && g_cfg ? g_cfg->datetext(d.year(), d.month(), d.day()) : QString();
    } else if (full) {
        m_diskText = textOr(204, "Full");
    } else {
        m_diskText = fToStr(1, usage ? *usage : percent) + QLatin1Char('%');
    }
    update(m_diskRect);
}

void TInfo::updateId(int en, int id, int sel)
{
    m_idOn = en;
    qCDebug(lcUiSearch, "TInfo::updateId.. en:%d id:%d sel:%d m_panic:%d", en, id, sel, m_panicOn);
    if (en && sel < 0) {
        m_idOn = 0;
        // The date icon comes back unless "PANIC" still holds its place.
        setVisibleBtn(Btn_Icon0, !m_panicOn);
        update(m_idRect);
        return;
    }
    if (en) {
        QString selText;
        if (sel > 999)
            selText = QStringLiteral("X%1").arg(sel % 10);
        else if (sel > 99)
            selText = QStringLiteral("XX");
        else
            selText = QString::asprintf("%02d", sel);
        m_idText = id < 0 ? QStringLiteral("ID:All SEL:%1").arg(selText)
                          : QString::asprintf("ID:%02d SEL:", id) + selText;
        setVisibleBtn(Btn_Icon0, false);
    } else {
        setVisibleBtn(Btn_Icon0, !m_panicOn);
    }
    update(m_idRect);
}

QString TInfo::idAreaText() const
{
    return m_panicOn ? QStringLiteral("PANIC") : m_idOn ? m_idText : QString();
}

void TInfo::updatePanic(int on)
{
    m_panicOn = on;
    qCDebug(lcUiSearch, "TInfo::updatePanic.. panic:%d", on);
    if (on) {
        m_idText = QStringLiteral("PANIC");
        setVisibleBtn(Btn_Icon0, false);
    } else {
        setVisibleBtn(Btn_Icon0, !m_idOn);
    }
    update(m_idRect);
}

void TInfo::connectTo()
{
    for (TButton* b : m_btn) {
        if (b)
            connect(b, &TButton::sg_clicked, this, &TInfo::sl_btnclicked);
    }
}

void TInfo::disconnectFrom()
{
    for (TButton* b : m_btn) {
        if (b)
            disconnect(b, &TButton::sg_clicked, this, &TInfo::sl_btnclicked);
    }
}

void TInfo::evtShow()
{
    // The bar takes the focus with the refresh: Split has it.
    updateAll();
}

void TInfo::evtLanguage()
{
    m_rateText = textOr(117, "Pause");
}

void TInfo::sl_btnclicked(int id, int)
{
    if (unsigned(id) < unsigned(Btn_Count) && (kRequestMask >> id & 1u))
        emit sg_request(id);
}

QWidget* TInfo::focusedInRow() const
{
    for (QWidget* w : m_focusRow) {
        if (w && w->isVisible() && w->isEnabled() && w->hasFocus())
            return w;
    }
    return nullptr;
}

void TInfo::evtKeydown(int key)
{
    switch (key) {
    case Qt::Key_F24: sl_btnclicked(Btn_FRew); break;
    case Qt::Key_F25: sl_btnclicked(Btn_Rew); break;
    case Qt::Key_F27: sl_btnclicked(Btn_SlowRew); break;
    case Qt::Key_Pause: sl_btnclicked(Btn_Pause); break;
    case Qt::Key_F28: sl_btnclicked(Btn_SlowFwd); break;
    case Qt::Key_Play: sl_btnclicked(Btn_Play); break;
    case Qt::Key_F26: sl_btnclicked(Btn_FFwd); break;
    case Qt::Key_Stop: sl_btnclicked(Btn_Stop); break;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        QWidget* w = focusMoveGrid(key, m_focusRow, 1, 10, 1);
        if (!w && m_btn[Btn_Split]) {
            w = m_btn[Btn_Split];
            w->setFocus(Qt::OtherFocusReason);
        }
        m_curCtrl = w;
        break;
    }
    case Qt::Key_Enter:
        m_curCtrl = focusedInRow();
        postKey(m_curCtrl, QEvent::KeyPress);
        break;
    default:
        break;
    }
}

void TInfo::evtKeyup(int key)
{
    if (key == Qt::Key_Enter)
        postKey(m_curCtrl, QEvent::KeyRelease);
}

void TInfo::evtPaint(QPaintEvent*)
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
    const int left = Qt::AlignLeft | Qt::AlignVCenter;
    p.setPen(ctlColor(TextColor));
    if (m_panicOn) {
        p.save();
        p.setPen(QColor(255, 0, 0));
        p.drawText(m_idRect, Qt::AlignCenter, QStringLiteral("PANIC"));
        p.restore();
    } else if (m_idOn) {
        p.drawText(m_idRect, left, m_idText);
    } else {
        p.save();
        if (oem() == 5) {
            QFont f = p.font();
            f.setPointSize(qMax(1, ctlScale(19)));
            p.setFont(f);
        }
        p.drawText(m_dateRect, left, m_dateText);
        p.restore();
    }
    p.drawText(m_timeRect, left, m_timeText);
    if (oem() == 8)
        p.setPen(ctlColor(AudioColorOem8));
    p.drawText(m_audioRect, left, m_audioText);
    if (m_playMode != 0) {
        p.drawText(m_rateRect, Qt::AlignCenter, m_rateText);
    } else {
        const PropOsd* osd = section<PropOsd>(IDX_PROP_OSD, 0);
        if (osd && osd->hdddisp == 1) {
            QFont f = p.font();
            f.setPixelSize(qMax(1, ctlScale(11)));
            p.setFont(f);
        }
        drawFitText(&p, m_diskRect, left, m_diskText);
    }
}
