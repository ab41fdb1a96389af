#include "tbackupwnd.h"
#include "ctlres.h"
#include "tbutton.h"
#include "tcombo.h"
#include "tconfig.h"
#include "tdefault.h"
#include "tkeys.h"
#include "tmsgwnd.h"
#include "ttime.h"
#include "uisearchlog.h"

#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QTimer>

#include <cstring>

namespace {

enum {
    CheckOff = 71,
    CheckOn = 70,
    BtnStrip = 21,
    WndImage = 83,
    OemBigFont = 5,
    TitleColor = 11,
    CaptionColor = 12,
    LastSecond = 86399
};

// Text ids.
enum {
    T_DEVICE = 7, T_BACKUP = 12, T_EXIT = 35, T_NONE = 46, T_CAMERA = 75, T_AUDIO = 76, T_STATUS = 83,
    T_STOP = 118, T_ALL_ON = 141, T_ALL_OFF = 142, T_TYPE = 145, T_TO = 163, T_FROM = 164, T_START = 175,
    T_ESTIMATION = 197, T_NO_DATA = 246, T_NO_SPACE = 247, T_TIME_CHANGED = 248, T_CONTINUE = 335
};

// Captions by row.
enum { CapDevice, CapType, CapFrom, CapTo, CapCamera, CapAudio, CapStatus };

int resValue(int id)
{
    return g_res ? g_res->getValue(id) : 0;
}

int oem()
{
    return g_default ? g_default->getOem() : 0;
}

const PropDevices* devices()
{
    return g_cfg ? static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, 1)) : nullptr;
}

int videos()
{
    const PropDevices* d = devices();
    return d ? d->videos : 0;
}

void postKey(QWidget* w, QEvent::Type type)
{
    if (w)
        QCoreApplication::postEvent(w, new QKeyEvent(type, Qt::Key_Space, Qt::NoModifier));
}

int secsOf(const TTime* t)
{
    return QTime(0, 0).secsTo(t->time());
}

// The end of a range as the time editor shows it: the device layer gives
// the second after the last one copied.
int endSecs(double end)
{
    const int s = int(end);
    return s > 0 ? s - 1 : s;
}

} // namespace

TBackupWnd::TBackupWnd(QWidget* parent, int id, QSize size) : TDefWnd(parent, id, size)
{
    setWindowModality(Qt::ApplicationModal);
}

TBackupWnd::~TBackupWnd()
{
    endQuestion();
    delete m_checkIcon;
    delete m_btnIcon;
}

void TBackupWnd::init(int)
{
    qCDebug(lcUiSearch, "=========== TBackupWnd::init() ===========");
    m_device = DEV_NONE;
    m_numDate = 0;
    m_checkIcon = TRes::makeIcon(ctlImage(CheckOff), 4, false);
    TRes::addIconStates(m_checkIcon, ctlImage(CheckOn), 4, true);
    m_btnIcon = TRes::makeIcon(ctlImage(BtnStrip), 4, false);
    for (int i = 0; i <= BTN_AUDIO; ++i)
        m_btn[i] = new TButton(this, m_checkIcon, QString(), i, QColor(0, 0, 0), 5);
    for (int i = BTN_ESTIMATE; i < BTN_COUNT; ++i)
        m_btn[i] = new TButton(this, m_btnIcon, QString(), i, ctlColor(0), 4);
    for (int i = 0; i < COMBO_COUNT; ++i)
        m_combo[i] = new TCombo(this, i);
    m_fromTime = new TTime(this);
    m_toTime = new TTime(this);
    m_size = new QLabel(this);
    m_size->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_size->setAlignment(Qt::AlignCenter);
    m_initTimer = new QTimer(this);
    m_initTimer->setSingleShot(true);
    m_initTimer->setInterval(100);
    connect(m_initTimer, &QTimer::timeout, this, &TBackupWnd::sl_init);
    layout();
    linkFocus();
    evtLanguage();
    sl_init(); // no medium yet: everything but Exit greyed from the first show
}

void TBackupWnd::layout()
{
    const int s5 = ctlScale(5), s15 = ctlScale(15), s20 = ctlScale(20);
    const int x0 = resValue(210), y0 = resValue(211), p = resValue(212), cw = resValue(213);
    const int ch = resValue(214) + (oem() == OemBigFont ? s5 : 0);
    const int lx = resValue(215), lw = resValue(216);
    const QSize box = ctlSize(71, QSize(16, 16));
    const int bw = box.width(), bh = box.height();
    const QSize btn = ctlSize(21, QSize(85, 25));
    const int w = btn.width(), h = btn.height();
    const int n = videos();
    const bool is32 = n == 32;

    const int y1 = y0 + ch + 24, y2 = y1 + p, y3 = y2 + p;
    const int yc = y3 + p + p / 2, ya = yc + p;
    const int yb = is32 ? ya + p + s5 : ya + p;
    const int ys = yb + p, yt = ys + p;

    m_combo[COMBO_MEDIUM]->setGeometry(x0, y0, cw, ch);
    m_size->setGeometry(x0 + cw + 8, y0, cw, ch);
    m_combo[COMBO_TYPE]->setGeometry(x0, y1, cw, ch);
    m_combo[COMBO_FROM]->setGeometry(x0, y2, cw, ch);
    m_fromTime->setGeometry(x0 + cw + 8, y2, cw, ch);
    m_combo[COMBO_TO]->setGeometry(x0, y3, cw, ch);
    m_toTime->setGeometry(x0 + cw + 8, y3, cw, ch);
    for (int c = 0; c < CAMS; ++c) {
        const int bx = x0 + c * (bh + 8); // a step of the box height, as the panel is drawn
        m_btn[c]->setGeometry(bx, yc, bw, bh);
        m_btn[c]->setVisible(c < n);
        m_numRect[c] = QRect(QPoint(bx - 8, yc - bh - 4), QPoint(bx + bw + 7, yc - 5));
    }
    m_btn[BTN_AUDIO]->setGeometry(x0, is32 ? ya + s20 : ya, bw, bh);
    m_btn[BTN_ESTIMATE]->setGeometry(x0, yb, w + s20, h);
    m_btn[BTN_ALL_ON]->setGeometry(x0 + w + 64, yb, w, h);
    m_btn[BTN_ALL_OFF]->setGeometry(x0 + 2 * w + 128, yb, w, h);
    m_statusRect = QRect(QPoint(x0, ys), QPoint(x0 + 2 * cw - 1, ys + ch - 1));
    m_btn[BTN_START]->setGeometry(x0, yt, w + 1, h);
    m_btn[BTN_STOP]->setGeometry(x0 + (w + 1) + 64, yt, w + 1, h);
    m_btn[BTN_EXIT]->setGeometry(resValue(218), resValue(217), w, h);

    const int tops[] = {y0, y1, y2, y3, yc, is32 ? ya + s15 : ya, ys};
    for (int r = CapDevice; r <= CapStatus; ++r)
        m_caption[r] = QRect(lx, tops[r], lw, r == CapCamera ? bh : ch);
}

void TBackupWnd::linkFocus()
{
    QWidget* const medium = m_combo[COMBO_MEDIUM];
    QWidget* const type = m_combo[COMBO_TYPE];
    QWidget* const fromDate = m_combo[COMBO_FROM];
    QWidget* const toDate = m_combo[COMBO_TO];
    QWidget* const cam1 = m_btn[0];
    QWidget* const audio = m_btn[BTN_AUDIO];
    QWidget* const est = m_btn[BTN_ESTIMATE];
    QWidget* const on = m_btn[BTN_ALL_ON];
    QWidget* const off = m_btn[BTN_ALL_OFF];
    QWidget* const start = m_btn[BTN_START];
    QWidget* const stop = m_btn[BTN_STOP];
    QWidget* const exit = m_btn[BTN_EXIT];
    int i = 0;
    m_focus[i++] = {0, medium, medium, medium, type, exit};
    m_focus[i++] = {0, type, type, type, fromDate, medium};
    m_focus[i++] = {0, fromDate, m_fromTime, m_fromTime, toDate, type};
    m_focus[i++] = {0, m_fromTime, fromDate, fromDate, m_toTime, type};
    m_focus[i++] = {0, toDate, m_toTime, m_toTime, cam1, fromDate};
    m_focus[i++] = {0, m_toTime, toDate, toDate, cam1, m_fromTime};
    for (int c = 0; c < CAMS; ++c)
        m_focus[i++] = {0, m_btn[c], m_btn[(c + 1) % CAMS], m_btn[(c + CAMS - 1) % CAMS], audio, toDate};
    m_focus[i++] = {0, audio, audio, audio, est, cam1};
    m_focus[i++] = {0, est, on, off, start, audio};
    m_focus[i++] = {0, on, off, est, stop, audio};
    m_focus[i++] = {0, off, est, on, stop, audio};
    m_focus[i++] = {0, start, stop, stop, exit, est};
    m_focus[i++] = {0, stop, start, start, exit, on};
    m_focus[i++] = {0, exit, exit, exit, medium, stop};
}

TButton* TBackupWnd::button(int id) const
{
    return id >= 0 && id < BTN_COUNT ? m_btn[id] : nullptr;
}

TCombo* TBackupWnd::combo(int id) const
{
    return id >= 0 && id < COMBO_COUNT ? m_combo[id] : nullptr;
}

void TBackupWnd::connectTo()
{
    for (TButton* b : m_btn)
        connect(b, &TButton::sg_clicked, this, &TBackupWnd::sl_btnclicked);
    for (TCombo* c : m_combo)
        connect(c, &TCombo::sg_changeIndex, this, &TBackupWnd::sl_changeIndex);
}

void TBackupWnd::disconnectFrom()
{
    for (TButton* b : m_btn)
        disconnect(b, &TButton::sg_clicked, this, &TBackupWnd::sl_btnclicked);
    for (TCombo* c : m_combo)
        disconnect(c, &TCombo::sg_changeIndex, this, &TBackupWnd::sl_changeIndex);
}

void TBackupWnd::send(int code, intptr_t a, intptr_t b)
{
    emit sg_request(code, reinterpret_cast<void*>(a), reinterpret_cast<void*>(b));
}

void TBackupWnd::evtShow()
{
    std::memset(&m_medium, 0, sizeof m_medium);
    m_percent = 0;
    m_numDate = 0;
    evtLanguage();
    m_curCtrl = m_btn[BTN_EXIT];
    m_curCtrl->setFocus(Qt::OtherFocusReason);
    for (int i = 0; i <= BTN_AUDIO; ++i)
        m_btn[i]->setChecked(true);
    send(Act_DetectExtSd);
    send(Act_BackupCamOff);
    m_initTimer->start();
}

bool TBackupWnd::initPending() const
{
    return m_initTimer && m_initTimer->isActive();
}

void TBackupWnd::evtLanguage()
{
    if (!m_btn[BTN_EXIT])
        return;
    // Refilled without reporting a change: the choice stays where it was.
    for (int c : {COMBO_MEDIUM, COMBO_TYPE}) {
        TCombo* combo = m_combo[c];
        const int at = combo->currentIndex();
        const QSignalBlocker block(combo);
        combo->clear();
        if (g_cfg)
            combo->addItems(TConfig::getdata(c == COMBO_MEDIUM ? IDX_DATA_BACKUP_MEDIA : IDX_DATA_BACKUP_FORMAT, 0));
        combo->setCurrentIndex(qBound(0, at, qMax(0, combo->count() - 1)));
    }
    static const int texts[][2] = {{BTN_ESTIMATE, T_ESTIMATION}, {BTN_ALL_ON, T_ALL_ON}, {BTN_ALL_OFF, T_ALL_OFF},
                                   {BTN_START, T_START},         {BTN_STOP, T_STOP},     {BTN_EXIT, T_EXIT}};
    for (const auto& t : texts)
        m_btn[t[0]]->setText(ctlText(t[1]));
    m_size->setText(sizeText());
}

QString TBackupWnd::sizeText() const
{
    if (m_device == DEV_NONE)
        return ctlText(T_NONE);
    return QString::asprintf("%lld/%lld MB", static_cast<long long>(m_medium.capacity / 1000000),
                             static_cast<long long>(m_medium.size / 1000000));
}

void TBackupWnd::setRange(int dateId, int h, int m, int s, int dur)
{
    qCDebug(lcUiSearch, "TBackupWnd::setRange.. date_id:%d %02d:%02d:%02d dur:%d", dateId, h, m, s, dur);
    m_preDateId = dateId;
    m_preH = h;
    m_preM = m;
    m_preS = s;
    m_preDur = dur;
}

void TBackupWnd::sl_init()
{
    const auto* form = g_cfg ? static_cast<const PropDtform*>(g_cfg->getsection(IDX_PROP_DTFORM, 0)) : nullptr;
    const QString format = form && form->time == 1 ? QStringLiteral("A hh:mm:ss") : QStringLiteral("HH:mm:ss");
    m_fromTime->setDisplayFormat(format);
    m_toTime->setDisplayFormat(format);

    const bool usable = m_device != DEV_NONE && m_numDate > 0;
    for (int i = 0; i <= BTN_STOP; ++i) {
        const bool off = i < CAMS && (m_camOff >> i & 1u);
        m_btn[i]->setEnabled(usable && !off);
        if (usable && off)
            m_btn[i]->setChecked(false);
    }
    for (QWidget* w : {static_cast<QWidget*>(m_combo[COMBO_TYPE]), static_cast<QWidget*>(m_combo[COMBO_FROM]),
                       static_cast<QWidget*>(m_combo[COMBO_TO]), static_cast<QWidget*>(m_size),
                       static_cast<QWidget*>(m_fromTime), static_cast<QWidget*>(m_toTime)})
        w->setEnabled(usable);
    m_size->setText(sizeText());

    if (m_numDate > 0) {
        for (int c : {COMBO_FROM, COMBO_TO}) {
            TCombo* combo = m_combo[c];
            int at = combo->findData(m_preDateId);
            if (at < 0)
                at = combo->count() - 1;
            combo->setCurrentIndex(at);
        }
        const int from = qBound(0, m_preH * 3600 + m_preM * 60 + m_preS, int(LastSecond));
        const int to = int(qBound(qint64(0), qint64(from) + m_preDur, qint64(LastSecond)));
        qCDebug(lcUiSearch, "TBackupWnd::setCtrl.. secs_from:%d secs_to:%d", from, to);
        m_fromTime->setTime(QTime(0, 0).addSecs(from));
        m_toTime->setTime(QTime(0, 0).addSecs(to));
    }
    setStatus(QString());
}

void TBackupWnd::setCtrlStart()
{
    qCDebug(lcUiSearch, "TBackupWnd::setCtrlStart m_running:%d", m_running);
    const bool idle = !m_running;
    for (int i = 0; i < BTN_COUNT; ++i) {
        bool on = i == BTN_STOP ? !idle : idle;
        if (i < CAMS && (m_camOff >> i & 1u))
            on = false;
        m_btn[i]->setEnabled(on);
    }
    for (QWidget* w : {static_cast<QWidget*>(m_combo[COMBO_TYPE]), static_cast<QWidget*>(m_combo[COMBO_FROM]),
                       static_cast<QWidget*>(m_combo[COMBO_TO]), static_cast<QWidget*>(m_size),
                       static_cast<QWidget*>(m_fromTime), static_cast<QWidget*>(m_toTime)})
        w->setEnabled(idle);
    m_curCtrl = m_btn[BTN_STOP];
    m_curCtrl->setFocus(Qt::OtherFocusReason);
}

void TBackupWnd::setStatus(const QString& text)
{
    m_status = text;
    update(m_statusRect.adjusted(-2, -2, 2, 2));
}

bool TBackupWnd::takeRange(const char* what)
{
    const qint64 room = qint64(qMin<quint64>(m_medium.size, quint64(INT64_MAX)));
    qCDebug(lcUiSearch, "%s.. total_size:%lld", what, static_cast<long long>(room));
    if (room <= 0) {
        setStatus(ctlText(T_NO_SPACE));
        return false;
    }
    // One bit per camera box: never a camera above the twentieth.
    const int n = qMin(videos(), int(CAMS));
    unsigned mask = 0;
    for (int c = 0; c < n; ++c)
        if (!m_btn[c]->isChecked())
            mask |= 1u << c;
    const int audioOff = m_btn[BTN_AUDIO]->isChecked() ? 0 : 1;
    send(Act_BackupFilter, intptr_t(mask), audioOff);
    m_range = BackupRange();
    m_range.startIdx = m_combo[COMBO_FROM]->currentIndex();
    m_range.startTime = secsOf(m_fromTime);
    m_range.endIdx = m_combo[COMBO_TO]->currentIndex();
    m_range.endTime = secsOf(m_toTime);
    m_range.size = 0;
    return true;
}

void TBackupWnd::sl_btnclicked(int id, int)
{
    switch (id) {
    case BTN_ALL_ON:
    case BTN_ALL_OFF:
        // Also the boxes of forbidden cameras: the device leaves those out.
        for (int i = 0; i <= BTN_AUDIO; ++i)
            m_btn[i]->setChecked(id == BTN_ALL_ON);
        break;
    case BTN_ESTIMATE:
        if (!takeRange("Btn_Est"))
            return;
        // Running before the request, as for Start: a refusal answered at
        // once ends the run instead of being overwritten by its start.
        m_running = 1;
        setCtrlStart();
        send(Act_BackupEstimate, reinterpret_cast<intptr_t>(&m_range));
        break;
    case BTN_START:
        if (!takeRange("Btn_Start"))
            return;
        m_running = 1;
        setCtrlStart();
        send(Act_BackupStart, reinterpret_cast<intptr_t>(&m_range));
        break;
    case BTN_STOP:
        send(Act_BackupStop);
        break;
    case BTN_EXIT:
        if (!m_btn[BTN_EXIT]->isEnabled())
            return; // a copy or an estimate runs
        hideWnd();
        send(Act_BackupClose);
        break;
    default:
        break;
    }
}

void TBackupWnd::sl_changeIndex(int id, int index)
{
    if (id == COMBO_MEDIUM) {
        const int dev = deviceOfIndex(index);
        if (dev == m_device)
            return;
        m_device = dev;
        setStatus(QString());
        if (dev == DEV_DISC) {
            m_medium = m_devices.bd[1];
            sl_init();
            send(Act_SelectExtSd, 0, 1);
        } else {
            m_medium = m_devices.bd[0];
            sl_init();
            send(Act_SelectExtSd, 0, 0);
        }
        return;
    }
    if (id == COMBO_TYPE && index != m_type && index >= 0) {
        m_type = index;
        send(Act_BackupType, index, 0);
    }
}

void TBackupWnd::detectExtSd(const BdList* list)
{
    if (!list)
        return;
    m_devices = *list;
    const BdEntry& usb = m_devices.bd[0];
    const BdEntry& drive = m_devices.bd[1];
    // The drive counts only with a disc in it: an empty drive is no medium.
    const int disc = drive.state == 2 ? 1 : 0;
    const int cnt = disc + (usb.state != 0 ? 1 : 0);
    if (cnt == 2) {
        m_combo[COMBO_MEDIUM]->setEnabled(true);
        if (m_device == DEV_NONE)
            m_device = DEV_DISC;
    } else {
        m_combo[COMBO_MEDIUM]->setEnabled(false);
        if (cnt == 1)
            m_device = disc ? DEV_DISC : DEV_USB;
    }
    qCDebug(lcUiSearch, "detectExtSd.. cnt:%d m_device:%d", cnt, m_device);
    if (disc && m_device == DEV_DISC) {
        m_medium = drive;
        m_combo[COMBO_MEDIUM]->setCurrentIndex(comboIndexOf(DEV_DISC));
        send(Act_MountExtSd, 1, 1);
    } else if (usb.state == 1 && m_device == DEV_USB) {
        m_medium = usb;
        m_combo[COMBO_MEDIUM]->setCurrentIndex(comboIndexOf(DEV_USB));
        send(Act_MountExtSd, 0, 0);
        if (usb.size > 0)
            send(Act_OpenBackupDb);
    } else {
        m_device = DEV_NONE;
        sl_init();
    }
    m_combo[COMBO_TYPE]->setCurrentIndex(m_type);
}

void TBackupWnd::mountExtSd(const BdList* list)
{
    if (!list)
        return;
    m_devices = *list;
    m_medium = m_devices.bd[1];
    qCDebug(lcUiSearch, "TBackupWnd::mountExtSd.. type:%d mount:%d", m_medium.state, m_medium.mounted);
    if (m_medium.state == 2 && m_medium.mounted) {
        m_device = DEV_DISC;
        send(Act_OpenBackupDb);
    } else {
        m_device = DEV_NONE;
        sl_init();
    }
}

void TBackupWnd::infoBackupDb(const BackupDb* db, const QVector<BackupDate>& dates)
{
    if (!db)
        return;
    m_numDate = qBound(0, int(db->numDate), dates.size());
    qCDebug(lcUiSearch, "TBackupWnd::infoBackupDb.. num_date:%d", m_numDate);
    for (int c : {COMBO_FROM, COMBO_TO}) {
        const QSignalBlocker block(m_combo[c]);
        m_combo[c]->clear();
        for (int i = 0; i < m_numDate; ++i) {
            const BackupDate& d = dates.at(i);
            m_combo[c]->addItem(g_cfg ? g_cfg->datetext(d.year, d.month, d.day) : QString(), d.dateId);
        }
    }
    sl_init();
    if (m_numDate > 0) {
        m_curCtrl = m_combo[COMBO_FROM];
        m_curCtrl->setFocus(Qt::OtherFocusReason);
    }
}

void TBackupWnd::runBackup(const BdEntry& device)
{
    m_medium = device;
    m_size->setText(sizeText());
}

void TBackupWnd::setProgress(int percent, const QString& text)
{
    m_percent = qBound(0, percent, 100);
    setStatus(text);
}

void TBackupWnd::runBackupEnd(const QString& text, const BdEntry& device)
{
    qCDebug(lcUiSearch, "TBackupWnd::runBackupEnd!!");
    m_medium = device;
    m_running = 0;
    setCtrlStart();
    m_size->setText(sizeText());
    if (!text.isEmpty())
        setStatus(text);
}

void TBackupWnd::runRefused(const QString& text)
{
    m_running = 0;
    setCtrlStart();
    m_percent = 0;
    setStatus(text);
}

int TBackupWnd::datePos(int pos) const
{
    return pos >= 0 && pos < m_numDate ? pos : m_numDate - 1;
}

void TBackupWnd::estiBackupEnd(const BackupDb* db)
{
    if (!db)
        return;
    const BackupRange& r = db->range;
    qCDebug(lcUiSearch, "estiBackupEnd.. space:%lld start_pos:%d end_pos:%d", static_cast<long long>(r.size),
            r.startIdx, r.endIdx);
    m_running = 0;
    setCtrlStart();
    if (r.size == 0 || r.startTime < 0 || r.endTime < 0) {
        setStatus(ctlText(T_NO_DATA));
        return;
    }
    m_esti = r;
    m_esti.startIdx = datePos(r.startIdx);
    m_esti.endIdx = datePos(r.endIdx);
    const bool changed = m_esti.startIdx != m_combo[COMBO_FROM]->currentIndex()
        || int(m_esti.startTime) != secsOf(m_fromTime) || m_esti.endIdx != m_combo[COMBO_TO]->currentIndex()
        || endSecs(m_esti.endTime) != secsOf(m_toTime);
    if (!changed || !g_msgWnd)
        return;
    g_msgWnd->setType(MSG_OKCANCEL);
    g_msgWnd->setTitle(ctlText(T_BACKUP));
    g_msgWnd->setMessage({ctlText(T_TIME_CHANGED), ctlText(T_CONTINUE) + QLatin1Char('?')});
    g_msgWnd->moveCenter(this);
    g_msgWnd->show();
    endQuestion();
    m_askBox = g_msgWnd;
    m_askConn = connect(g_msgWnd, &TMsgWnd::sg_request, this, &TBackupWnd::sl_fromMsg);
    g_msgWnd->installEventFilter(this);
}

bool TBackupWnd::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == m_askBox && e->type() == QEvent::Hide) {
        const int asked = m_askCount;
        QMetaObject::invokeMethod(
            this, [this, asked] {
                if (asked == m_askCount)
                    endQuestion();
            },
            Qt::QueuedConnection);
    }
    return TDefWnd::eventFilter(watched, e);
}

void TBackupWnd::endQuestion()
{
    ++m_askCount;
    disconnect(m_askConn);
    if (m_askBox)
        m_askBox->removeEventFilter(this);
    m_askBox = nullptr;
}

void TBackupWnd::sl_fromMsg(int btn)
{
    endQuestion();
    if (btn != MSGBTN_OK)
        return;
    qCDebug(lcUiSearch, "TBackupWnd::sl_fromMsg.. space:%lldMB", static_cast<long long>(m_esti.size / 1000000));
    QString text = QString::asprintf("[0 MB/% lldMB]", static_cast<long long>(m_esti.size / 1000000));
    const int from = qBound(0, int(m_esti.startTime), int(LastSecond));
    const int to = qBound(0, endSecs(m_esti.endTime), int(LastSecond));
    const bool changed = m_esti.startIdx != m_combo[COMBO_FROM]->currentIndex() || from != secsOf(m_fromTime)
        || m_esti.endIdx != m_combo[COMBO_TO]->currentIndex() || to != secsOf(m_toTime);
    m_combo[COMBO_FROM]->setCurrentIndex(m_esti.startIdx);
    m_fromTime->setTime(QTime(0, 0).addSecs(from));
    m_combo[COMBO_TO]->setCurrentIndex(m_esti.endIdx);
    m_toTime->setTime(QTime(0, 0).addSecs(to));
    if (changed)
        text += QLatin1Char(' ') + ctlText(T_TIME_CHANGED);
    setStatus(text);
}

void TBackupWnd::setCamOff(unsigned mask)
{
    qCDebug(lcUiSearch, "TBackupWnd::setCamOff.. camoff:%04x", mask);
    m_camOff = mask;
    sl_init();
}

void TBackupWnd::clearStatus(int code)
{
    if (!m_running) {
        send(Act_DetectExtSd);
    } else if (code == 0) {
        m_percent = 0;
        setStatus(QString());
    }
}

void TBackupWnd::evtKeydown(int key)
{
    qCDebug(lcUiSearch, "============ TBackupWnd::evtKeydown(%d) ===========", key);
    for (TCombo* c : m_combo)
        if (c->hasFocus() && c->keyEvent(key))
            return;
    for (TTime* t : {m_fromTime, m_toTime})
        if (t->hasFocus() && t->isLock(key))
            return;
    switch (key) {
    case Qt::Key_Escape:
        sl_btnclicked(BTN_EXIT);
        break;
    case Qt::Key_Enter:
        m_curCtrl = focusFind(key, m_focus, FOCUS_COUNT);
        postKey(m_curCtrl, QEvent::KeyPress);
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case KEY_JOG_LEFT:
    case KEY_JOG_RIGHT: {
        QWidget* w = key == KEY_JOG_LEFT || key == KEY_JOG_RIGHT ? focusNextPrev(key, m_focus, FOCUS_COUNT)
                                                                : focusMove(key, m_focus, FOCUS_COUNT);
        if (w) {
            m_curCtrl = w;
            w->setFocus(Qt::OtherFocusReason);
        }
        break;
    }
    default:
        break;
    }
}

void TBackupWnd::evtKeyup(int key)
{
    if (key == Qt::Key_Enter)
        postKey(m_curCtrl, QEvent::KeyRelease);
}

void TBackupWnd::evtPaint(QPaintEvent*)
{
    QPainter p(this);
    if (oem() == OemBigFont) {
        QFont f = QApplication::font();
        f.setPointSize(20);
        p.setFont(f);
    }
    if (g_res) {
        m_bgImage = g_res->getImage(WndImage);
        const QSize want = g_res->getSize(WndImage);
        if (m_bgImage && !m_bgImage->isNull()) {
            if (m_bgImage->size() == want)
                p.drawPixmap(0, 0, *m_bgImage);
            else
                p.drawPixmap(0, 0, m_bgImage->scaled(want, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        }
    }
    p.setPen(ctlColor(TitleColor));
    p.drawText(QRect(0, 0, width(), ctlScale(32)), Qt::AlignCenter, ctlText(T_BACKUP));

    p.setPen(ctlColor(CaptionColor));
    const int captions[] = {T_DEVICE, T_TYPE, T_FROM, T_TO, T_CAMERA, T_AUDIO, T_STATUS};
    for (int r = CapDevice; r <= CapStatus; ++r)
        p.drawText(m_caption[r], Qt::AlignRight | Qt::AlignVCenter, ctlText(captions[r]));
    const int n = qMin(videos(), int(CAMS));
    for (int c = 0; c < n; ++c)
        p.drawText(m_numRect[c], Qt::AlignCenter, QString::number(c + 1));

    p.drawRect(m_statusRect.adjusted(0, 0, -1, -1));
    const int fill = m_statusRect.width() * m_percent / 100;
    if (fill > 0)
        p.fillRect(QRect(m_statusRect.topLeft(), QSize(fill, m_statusRect.height())), QColor(0, 0, 255));
    p.setPen(QPen(QColor(246, 142, 85), 2));
    p.drawText(m_statusRect, Qt::AlignCenter, m_status);
}
