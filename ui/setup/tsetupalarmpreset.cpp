#include "tsetupalarmpreset.h"
#include "appglobals.h"
#include "ctlres.h"
#include "tbutton.h"
#include "tcombo.h"
#include "tconfig.h"
#include "textutil.h"

#include <QIcon>
#include <QPainter>
#include <QSignalBlocker>

namespace {
enum { TxtOk = 24, TxtCancel = 25, TxtMotion = 102, TxtPreset = 209, CmdStrip = 21, TabLook = 86, TabLookOn = 87,
       PageBack = 64 };
}

TSetupAlarmPreset::TSetupAlarmPreset(QWidget* parent, int id, QSize size)
    : TSetupSubWnd(parent, id, size, IDX_PROP_ALARM, int(sizeof(PropAlarm)))
{
}

TSetupAlarmPreset::~TSetupAlarmPreset()
{
    qDeleteAll(m_btn, m_btn + CANCEL + 1);
    std::fill(m_btn, m_btn + CANCEL + 1, nullptr);
    delete m_camIcon;
    delete m_cmdIcon;
}

int TSetupAlarmPreset::videos()
{
    if (!g_cfg)
        return 0;
    const auto* dev = static_cast<const PropDevices*>(g_cfg->getsection(IDX_PROP_DEVICES, 1));
    return qBound(0, int(dev->videos), int(CAMS));
}

PropAlarm* TSetupAlarmPreset::alarm() const
{
    return g_cfg ? static_cast<PropAlarm*>(g_cfg->getsection(IDX_PROP_ALARM, 0)) : nullptr;
}

TButton* TSetupAlarmPreset::button(int id) const
{
    return id >= 0 && id <= CANCEL ? m_btn[id] : nullptr;
}

TCombo* TSetupAlarmPreset::combo(int j) const
{
    return j >= 0 && j < CAMS ? m_combo[j] : nullptr;
}

QWidget* TSetupAlarmPreset::firstCtrl() const
{
    return m_btn[0];
}

void TSetupAlarmPreset::init(int)
{
    m_camIcon = TRes::makeIcon(ctlImage(TabLook), 4, false);
    TRes::addIconStates(m_camIcon, ctlImage(TabLookOn), 4, true);
    m_cmdIcon = TRes::makeIcon(ctlImage(CmdStrip), 4, false);
    for (int c = 0; c < CAMS; ++c) {
        m_btn[c] = new TButton(this, m_camIcon, QString(), c, ctlColor(3), 1);
        m_btn[c]->setState(c == m_camera ? 1 : 2, nullptr);
        m_combo[c] = new TCombo(this, c);
    }
    m_btn[OK] = new TButton(this, m_cmdIcon, QString(), OK, ctlColor(0), 4);
    m_btn[CANCEL] = new TButton(this, m_cmdIcon, QString(), CANCEL, ctlColor(0), 4);
    evtResize();
    evtLanguage();
}

void TSetupAlarmPreset::evtLanguage()
{
    if (!m_btn[CANCEL])
        return;
    m_btn[0]->setText(ctlText(TxtMotion) + QStringLiteral("1"));
    for (int c = 1; c < CAMS; ++c)
        m_btn[c]->setText(QString::number(c + 1));
    m_btn[OK]->setText(ctlText(TxtOk));
    m_btn[CANCEL]->setText(ctlText(TxtCancel));
    const QStringList presets = TConfig::getdata(IDX_DATA_ALARM_PRESET, 0);
    const int n = videos();
    for (int j = 0; j < CAMS; ++j) {
        const QSignalBlocker block(m_combo[j]);
        m_combo[j]->clear();
        if (j < n)
            m_combo[j]->addItems(presets);
    }
    update();
}

void TSetupAlarmPreset::evtResize()
{
    if (!m_btn[CANCEL])
        return;
    const int m = ctlScale(16);
    const int n = qMax(1, videos());
    const int bw = qMin(ctlScale(70), (width() - 2 * m) / n);
    for (int c = 0; c < CAMS; ++c) {
        m_btn[c]->setGeometry(m + c * bw, m, bw - ctlScale(2), ctlScale(24));
        m_btn[c]->setVisible(c < videos());
    }
    // The combos in two columns below the heading, each with its label.
    const int top = m + ctlScale(24) + ctlScale(40);
    const int colW = (width() - 2 * m) / 2;
    const QSize bs = ctlSize(CmdStrip, QSize(85, 25));
    const int lines = (CAMS + 1) / 2;
    const int pitch = qMin(ctlScale(30), (height() - top - m - bs.height() - ctlScale(12)) / lines);
    for (int j = 0; j < CAMS; ++j) {
        const int x = m + (j % 2) * colW + colW * 2 / 5;
        m_combo[j]->setGeometry(x, top + (j / 2) * pitch, colW * 3 / 5 - ctlScale(16), qMin(ctlScale(24), pitch - 2));
        m_combo[j]->setVisible(j < videos());
    }
    const int by = height() - m - bs.height();
    m_btn[OK]->setGeometry(width() / 2 - bs.width() - ctlScale(6), by, bs.width(), bs.height());
    m_btn[CANCEL]->setGeometry(width() / 2 + ctlScale(6), by, bs.width(), bs.height());
}

void TSetupAlarmPreset::evtPaint(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(rect(), ctlImage(PageBack));
    p.setPen(ctlColor(3));
    const int m = ctlScale(16);
    const int top = m + ctlScale(24) + ctlScale(8);
    p.drawText(QRect(m, top, width() - 2 * m, ctlScale(24)), Qt::AlignLeft | Qt::AlignVCenter, ctlText(TxtPreset));
    // A frame around the combo area.
    const int n = videos();
    if (n > 0) {
        const int bottom = m_combo[qMax(0, n - 1)]->geometry().bottom();
        p.drawRect(QRect(QPoint(m - ctlScale(4), top + ctlScale(28)), QPoint(width() - m, bottom + ctlScale(6))));
    }
    const int colW = (width() - 2 * m) / 2;
    for (int j = 0; j < n; ++j) {
        const QRect g = m_combo[j]->geometry();
        const int left = m + (j % 2) * colW;
        drawFitText(&p, QRect(left, g.top(), qMax(1, g.left() - left - ctlScale(8)), g.height()),
                    Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Camera%1").arg(j + 1));
    }
}

void TSetupAlarmPreset::connectTo()
{
    for (TButton* b : m_btn) {
        if (b)
            connect(b, &TButton::sg_clicked, this, &TSetupAlarmPreset::sl_btnclicked);
    }
    for (TCombo* c : m_combo) {
        if (c)
            connect(c, &TCombo::sg_changeIndex, this, &TSetupAlarmPreset::sl_changeIndex);
    }
}

void TSetupAlarmPreset::disconnectFrom()
{
    for (TButton* b : m_btn) {
        if (b)
            disconnect(b, nullptr, this, nullptr);
    }
    for (TCombo* c : m_combo) {
        if (c)
            disconnect(c, nullptr, this, nullptr);
    }
}

void TSetupAlarmPreset::keyMatch()
{
    m_focus.clear();
    const int n = qMax(1, videos());
    const int shown = videos();
    QWidget* ok = m_btn[OK];
    QWidget* cancel = m_btn[CANCEL];
    QWidget* firstCombo = shown > 0 ? static_cast<QWidget*>(m_combo[0]) : ok;
    for (int c = 0; c < CAMS; ++c) {
        const int k = c < n ? c : 0;
        m_focus.append({0, m_btn[c], m_btn[(k + 1) % n], m_btn[(k + n - 1) % n], firstCombo, ok});
    }
    for (int j = 0; j < CAMS; ++j) {
        QWidget* up = j >= 2 ? static_cast<QWidget*>(m_combo[j - 2]) : m_btn[0];
        QWidget* down = j + 2 < shown ? static_cast<QWidget*>(m_combo[j + 2]) : ok;
        QWidget* side = (j ^ 1) < shown ? m_combo[j ^ 1] : m_combo[j];
        m_focus.append({0, m_combo[j], side, side, down, up});
    }
    QWidget* lastCombo = shown > 0 ? static_cast<QWidget*>(m_combo[shown - 1]) : m_btn[0];
    m_focus.append({0, ok, cancel, cancel, m_btn[0], lastCombo});
    m_focus.append({0, cancel, ok, ok, m_btn[0], lastCombo});
}

void TSetupAlarmPreset::evtShow()
{
    keyMatch();
    evtLanguage();
    evtResize();
    // A window of its own over the setup menu: it takes the keyboard focus.
    activateWindow();
    m_btn[0]->setFocus(Qt::OtherFocusReason);
    m_curCtrl = m_btn[0];
    keepSnapshot();
    setCtrl();
}

void TSetupAlarmPreset::setCtrl()
{
    const int n = videos();
    for (int c = 0; c < CAMS; ++c)
        m_btn[c]->setState(c == m_camera ? 1 : 2, nullptr);
    const PropAlarm* a = alarm();
    if (!a || m_camera < 0 || m_camera >= n)
        return;
    for (int j = 0; j < n; ++j) {
        const QSignalBlocker block(m_combo[j]);
        m_combo[j]->setCurrentIndex(a->preset_motion[m_camera][j]);
    }
}

void TSetupAlarmPreset::sl_btnclicked(int id, int)
{
    if (id >= 0 && id < CAMS) {
        if (id >= videos())
            return;
        m_camera = id;
        setCtrl();
    } else if (id == OK) {
        hideWnd();
    } else if (id == CANCEL) {
        cancel();
    }
}

void TSetupAlarmPreset::sl_changeIndex(int id, int index)
{
    PropAlarm* a = alarm();
    const int n = videos();
    // A list that lost its position (-1) stores nothing.
    if (!a || index < 0 || id < 0 || id >= n || m_camera < 0 || m_camera >= n)
        return;
    a->preset_motion[m_camera][id] = index;
    noteEdit();
}

bool TSetupAlarmPreset::keyTaken(int key)
{
    // An open preset list takes the keys.
    for (TCombo* c : m_combo) {
        if (c && c->keyEvent(key))
            return true;
    }
    return false;
}

QWidget* TSetupAlarmPreset::arrowMove(int key)
{
    QWidget* next = TSetupSubWnd::arrowMove(key);
    // Into the camera row: the camera chosen.
    if (next == m_btn[0] && (key == Qt::Key_Up || key == Qt::Key_Down))
        next = m_btn[qBound(0, m_camera, CAMS - 1)];
    return next;
}
