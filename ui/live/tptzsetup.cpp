#include "tptzsetup.h"
#include "ctlres.h"
#include "tbutton.h"
#include "tcombo.h"
#include "tconfig.h"
#include "tdefault.h"
#include "tedit.h"
#include "textutil.h"
#include "tkeys.h"
#include "tvkeyboard.h"
#include "uilivelog.h"
#include "wndcodes.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>

namespace {

enum { BackImage = 143, CheckOff = 71, CheckOn = 70, TabOff = 67, TabOn = 68, OkImage = 21, OemBigFont = 5 };
enum { T_SETUP = 2, T_PTZ = 14, T_OK = 24, T_CANCEL = 25, T_CLEAR = 205, T_PAN = 206, T_TILT = 207, T_TOUR = 208,
       T_PRESET = 209, T_DWELL = 270, T_TYPE_NAME = 272, T_CLEAR_ALL = 308 };
enum { TagCombo = 15, TagButton = 14, TagEdit = 10 };

PresetChannel* channelOf(int ch, int live)
{
    if (!g_cfg || unsigned(ch) >= unsigned(PROP_MAX_CH))
        return nullptr;
    return &static_cast<PropPreset*>(g_cfg->getsection(IDX_PROP_PRESET, live))->ch[ch];
}

void postKey(QWidget* w, QEvent::Type type)
{
    if (w)
        QCoreApplication::postEvent(w, new QKeyEvent(type, Qt::Key_Space, Qt::NoModifier));
}

} // namespace

TPtzsetup::TPtzsetup(QWidget* parent, int id, QSize size) : TDefWnd(parent, id, size)
{
    setWindowModality(Qt::ApplicationModal);
}

TPtzsetup::~TPtzsetup()
{
    delete m_checkIcon;
    delete m_tabIcon;
    delete m_okIcon;
}

TButton* TPtzsetup::button(int id) const
{
    return unsigned(id) < unsigned(BTN_COUNT) ? m_btn[id] : nullptr;
}

TCombo* TPtzsetup::combo(int id) const
{
    return unsigned(id) < unsigned(CB_COUNT) ? m_combo[id] : nullptr;
}

TEdit* TPtzsetup::edit(int row) const
{
    return unsigned(row) < unsigned(ROWS) ? m_edit[row] : nullptr;
}

void TPtzsetup::init(int)
{
    m_page = 0;
    m_ch = 0;
    if (g_default && g_default->getOem() == OemBigFont) {
        QFont f = QCoreApplication::instance() ? font() : QFont();
        f.setPointSize(18);
        setFont(f);
    }
    m_checkIcon = TRes::makeIcon(ctlImage(CheckOff), 4, false);
    TRes::addIconStates(m_checkIcon, ctlImage(CheckOn), 4, true);
    m_tabIcon = TRes::makeIcon(ctlImage(TabOff), 4, false);
    TRes::addIconStates(m_tabIcon, ctlImage(TabOn), 4, true);
    m_okIcon = TRes::makeIcon(ctlImage(OkImage), 4, false);

    for (int i = 0; i < CB_COUNT; ++i)
        m_combo[i] = new TCombo(this, i);
    for (int s = 1; s <= SPEEDS; ++s) {
        m_combo[CB_PAN]->addItem(QString::number(s));
        m_combo[CB_TILT]->addItem(QString::number(s));
    }
    for (int i = CB_STEP; i < CB_COUNT; ++i) {
        m_combo[i]->addItem(QStringLiteral("x"));
        for (int n = 1; n <= STEPS; ++n)
            m_combo[i]->addItem(QString::number(n));
    }
    for (int i = 0; i < PAGES; ++i) {
        m_btn[BTN_TAB + i] = new TButton(this, m_tabIcon, QString(), BTN_TAB + i, ctlColor(8), 1);
        m_btn[BTN_TAB + i]->setAlign(Qt::AlignRight | Qt::AlignVCenter, 5);
    }
    m_btn[BTN_TOUR] = new TButton(this, m_checkIcon, QString(), BTN_TOUR, QColor(0, 0, 0), 5);
    for (int r = 0; r < ROWS; ++r) {
        m_btn[BTN_CHECK + r] = new TButton(this, m_checkIcon, QString(), BTN_CHECK + r, QColor(0, 0, 0), 5);
        m_btn[BTN_CLEAR + r] = new TButton(this, nullptr, QString(), BTN_CLEAR + r, QColor(255, 255, 255), -1);
        m_edit[r] = new TEdit(this, r, 1);
    }
    m_btn[BTN_CLEAR_ALL] = new TButton(this, nullptr, QString(), BTN_CLEAR_ALL, QColor(255, 255, 255), -1);
    m_btn[BTN_OK] = new TButton(this, m_okIcon, QString(), BTN_OK, ctlColor(0), 4);
    m_btn[BTN_CANCEL] = new TButton(this, m_okIcon, QString(), BTN_CANCEL, ctlColor(0), 4);
    for (TButton* b : m_btn)
        b->setFocusPolicy(Qt::ClickFocus);
    layoutCtrls();
    linkFocus();
    evtLanguage();
}

void TPtzsetup::layoutCtrls()
{
    auto s = [](int n) { return ctlScale(n); };
    const int W = width();
    const int H = height();
    const int lineH = s(22);
    const int pitch = s(28);
    // Left: speeds, dwell and tour, the page tabs and the preset rows.
    for (int i = 0; i < 4; ++i)
        m_labelRect[i] = QRect(s(20), s(46) + i * pitch, s(150), lineH);
    for (int i = CB_PAN; i <= CB_DWELL; ++i)
        m_combo[i]->setGeometry(s(180), m_labelRect[i].top(), s(110), lineH);
    const QSize check = ctlSize(CheckOff, QSize(16, 16));
    m_btn[BTN_TOUR]->setGeometry(s(180), m_labelRect[3].top() + (lineH - check.height()) / 2, check.width(),
                                 check.height());
    const int leftW = s(330);
    const QSize tab = ctlSize(TabOff, QSize(90, 25));
    const int tabW = qMin(tab.width(), (leftW - 3 * s(4)) / PAGES);
    for (int i = 0; i < PAGES; ++i)
        m_btn[BTN_TAB + i]->setGeometry(s(20) + i * (tabW + s(4)), s(46) + 4 * pitch, tabW, tab.height());
    const int rowTop = s(46) + 4 * pitch + tab.height() + s(8);
    for (int r = 0; r < ROWS; ++r) {
        const int y = rowTop + r * pitch;
        m_rowRect[r] = QRect(s(20), y, s(72), lineH);
        m_btn[BTN_CHECK + r]->setGeometry(s(96), y + (lineH - check.height()) / 2, check.width(), check.height());
        m_edit[r]->setGeometry(s(120), y, s(150), lineH);
        m_btn[BTN_CLEAR + r]->setGeometry(s(276), y, s(64), lineH);
    }
    // Right: the 32 tour steps, four to a line, then Clear All, OK, Cancel.
    const int stepW = s(56);
    const int x0 = W - s(20) - 4 * (stepW + s(4));
    for (int i = 0; i < STEPS; ++i)
        m_combo[CB_STEP + i]->setGeometry(x0 + (i % 4) * (stepW + s(4)), s(46) + (i / 4) * pitch, stepW, lineH);
    m_btn[BTN_CLEAR_ALL]->setGeometry(x0, s(46) + 8 * pitch + s(8), s(120), s(24));
    const QSize ok = ctlSize(OkImage, QSize(85, 25));
    const int okY = H - ok.height() - s(16);
    m_btn[BTN_OK]->setGeometry(W - 2 * ok.width() - s(28), okY, ok.width(), ok.height());
    m_btn[BTN_CANCEL]->setGeometry(W - ok.width() - s(20), okY, ok.width(), ok.height());
}

void TPtzsetup::linkFocus()
{
    // Lines of the left side, top to bottom: pan, tilt, dwell, tour, the
    // tabs, the eight preset rows. Tour step line k (four steps) stands
    // beside left line k; the rows below the steps lead right to Clear All.
    auto step = [this](int line, int col) -> QWidget* { return m_combo[CB_STEP + qBound(0, line, 7) * 4 + col]; };
    QWidget* const clearAll = m_btn[BTN_CLEAR_ALL];
    QWidget* const ok = m_btn[BTN_OK];
    QWidget* const cancel = m_btn[BTN_CANCEL];
    auto rightOf = [&](int line) -> QWidget* { return line < 8 ? step(line, 0) : clearAll; };
    auto leftOf = [&](int line) -> QWidget* { return line < 8 ? step(line, 3) : clearAll; };
    int n = 0;
    auto add = [&](int tag, QWidget* w, QWidget* right, QWidget* left, QWidget* down, QWidget* up) {
        m_focusTable[n++] = {tag, w, right, left, down, up};
    };
    QWidget* firstTab = m_btn[BTN_TAB];
    for (int i = CB_PAN; i <= CB_DWELL; ++i)
        add(TagCombo, m_combo[i], rightOf(i), leftOf(i), i < CB_DWELL ? static_cast<QWidget*>(m_combo[i + 1]) : m_btn[BTN_TOUR],
            i > CB_PAN ? static_cast<QWidget*>(m_combo[i - 1]) : cancel);
    add(TagButton, m_btn[BTN_TOUR], rightOf(3), leftOf(3), firstTab, m_combo[CB_DWELL]);
    for (int i = 0; i < PAGES; ++i)
        add(TagButton, m_btn[BTN_TAB + i], i < PAGES - 1 ? m_btn[BTN_TAB + i + 1] : step(4, 0),
            i > 0 ? m_btn[BTN_TAB + i - 1] : step(4, 3), m_btn[BTN_CHECK], m_btn[BTN_TOUR]);
    // The three columns of the rows: check, name, clear.
    QWidget* col[3][ROWS];
    for (int r = 0; r < ROWS; ++r) {
        col[0][r] = m_btn[BTN_CHECK + r];
        col[1][r] = m_edit[r];
        col[2][r] = m_btn[BTN_CLEAR + r];
    }
    const int tags[3] = {TagButton, TagEdit, TagButton};
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < ROWS; ++r)
            add(tags[c], col[c][r], c < 2 ? col[c + 1][r] : rightOf(5 + r), c > 0 ? col[c - 1][r] : leftOf(5 + r),
                r < ROWS - 1 ? col[c][r + 1] : ok, r > 0 ? col[c][r - 1] : m_btn[BTN_TAB + c]);
    add(TagButton, clearAll, ok, col[2][0], ok, step(7, 0));
    for (int i = 0; i < STEPS; ++i) {
        const int line = i / 4;
        const int c = i % 4;
        QWidget* left = c > 0 ? step(line, c - 1)
                        : line < 3   ? static_cast<QWidget*>(m_combo[line])
                        : line == 3  ? static_cast<QWidget*>(m_btn[BTN_TOUR])
                        : line == 4  ? firstTab
                                     : col[2][line - 5];
        // Round again to the line's first control on the left.
        QWidget* lineFirst = line < 3    ? static_cast<QWidget*>(m_combo[line])
                             : line == 3 ? static_cast<QWidget*>(m_btn[BTN_TOUR])
                             : line == 4 ? firstTab
                                         : col[0][line - 5];
        QWidget* right = c < 3 ? step(line, c + 1) : lineFirst;
        add(TagCombo, m_combo[CB_STEP + i], right, left, line < 7 ? step(line + 1, c) : clearAll,
            line > 0 ? step(line - 1, c) : cancel);
    }
    add(TagButton, ok, cancel, cancel, m_combo[CB_PAN], clearAll);
    add(TagButton, cancel, ok, ok, m_combo[CB_PAN], clearAll);
}

void TPtzsetup::evtLanguage()
{
    if (!m_btn[BTN_CANCEL])
        return;
    if (g_cfg) {
        const int keep = m_combo[CB_DWELL]->currentIndex();
        m_combo[CB_DWELL]->clear();
        m_combo[CB_DWELL]->addItems(TConfig::getdata(IDX_DATA_PTZ_DWELL, 0));
        m_combo[CB_DWELL]->setCurrentIndex(qMax(0, keep));
    }
    for (int i = 0; i < PAGES; ++i)
        m_btn[BTN_TAB + i]->setText(ctlText(T_PRESET) + QStringLiteral(" %1").arg(i * ROWS + 1));
    for (int r = 0; r < ROWS; ++r)
        m_btn[BTN_CLEAR + r]->setText(ctlText(T_CLEAR));
    m_btn[BTN_CLEAR_ALL]->setText(ctlText(T_CLEAR_ALL));
    m_btn[BTN_OK]->setText(ctlText(T_OK));
    m_btn[BTN_CANCEL]->setText(ctlText(T_CANCEL));
}

void TPtzsetup::connectTo()
{
    for (TButton* b : m_btn)
        connect(b, &TButton::sg_clicked, this, &TPtzsetup::sl_btnclicked);
    for (TCombo* c : m_combo)
        connect(c, &TCombo::sg_changeIndex, this, &TPtzsetup::sl_changeIndex);
    for (TEdit* e : m_edit)
        connect(e, &TEdit::sg_clicked, this, &TPtzsetup::sl_edclicked);
    if (g_vkeyboard)
        connect(g_vkeyboard, &TVKeyboard::sg_reply, this, &TPtzsetup::sl_reply);
}

void TPtzsetup::disconnectFrom()
{
    for (TButton* b : m_btn)
        disconnect(b, &TButton::sg_clicked, this, &TPtzsetup::sl_btnclicked);
    for (TCombo* c : m_combo)
        disconnect(c, &TCombo::sg_changeIndex, this, &TPtzsetup::sl_changeIndex);
    for (TEdit* e : m_edit)
        disconnect(e, &TEdit::sg_clicked, this, &TPtzsetup::sl_edclicked);
    if (g_vkeyboard)
        disconnect(g_vkeyboard, &TVKeyboard::sg_reply, this, &TPtzsetup::sl_reply);
}

void TPtzsetup::fillRows()
{
    const PresetChannel* p = channelOf(m_ch, 0);
    for (int r = 0; r < ROWS; ++r) {
        const PresetItem* item = p ? &p->preset[m_page * ROWS + r] : nullptr;
        m_btn[BTN_CHECK + r]->setChecked(item && item->on);
        m_edit[r]->setText(item ? QString::fromUtf8(item->name, int(qstrnlen(item->name, sizeof item->name)))
                                : QString());
    }
    for (int i = 0; i < PAGES; ++i)
        m_btn[BTN_TAB + i]->setState(i == m_page ? 1 : 2, nullptr);
    update();
}

void TPtzsetup::evtShow()
{
    if (const PresetChannel* p = channelOf(m_ch, 0)) {
        m_combo[CB_PAN]->setCurrentIndex(qBound(0, int(p->speedpan), SPEEDS - 1));
        m_combo[CB_TILT]->setCurrentIndex(qBound(0, int(p->speedtilt), SPEEDS - 1));
        evtLanguage();
        m_combo[CB_DWELL]->setCurrentIndex(qBound(0, int(p->dur), qMax(0, m_combo[CB_DWELL]->count() - 1)));
        m_btn[BTN_TOUR]->setChecked(p->tourOn != 0);
        // A step outside the presets is no step.
        for (int i = 0; i < STEPS; ++i)
            m_combo[CB_STEP + i]->setCurrentIndex(p->seq[i] >= 0 && p->seq[i] <= STEPS ? p->seq[i] : 0);
    }
    fillRows();
    m_combo[CB_PAN]->setFocus(Qt::OtherFocusReason);
}

void TPtzsetup::evtHide()
{
    m_page = 0;
    m_ch = 0;
    m_editRow = -1;
}

void TPtzsetup::clearPreset(int n)
{
    PresetChannel* p = channelOf(m_ch, 0);
    if (!p || n < 0 || n >= STEPS)
        return;
    p->preset[n].on = 0;
    std::fill(p->preset[n].name, p->preset[n].name + sizeof p->preset[n].name, '\0');
}

void TPtzsetup::sl_btnclicked(int id, int)
{
    PresetChannel* p = channelOf(m_ch, 0);
    if (id >= BTN_TAB && id < BTN_TAB + PAGES) {
        m_page = id - BTN_TAB;
        fillRows();
    } else if (id >= BTN_CHECK && id < BTN_CHECK + ROWS) {
        if (p)
            p->preset[m_page * ROWS + id - BTN_CHECK].on = m_btn[id]->isChecked() ? 1 : 0;
    } else if (id >= BTN_CLEAR && id < BTN_CLEAR + ROWS) {
        clearPreset(m_page * ROWS + id - BTN_CLEAR);
        m_edit[id - BTN_CLEAR]->clear();
        m_btn[BTN_CHECK + id - BTN_CLEAR]->setChecked(false);
    } else if (id == BTN_CLEAR_ALL) {
        for (int n = 0; n < STEPS; ++n)
            clearPreset(n);
        fillRows();
    } else if (id == BTN_OK) {
        if (p) {
            p->speedpan = uint8_t(qMax(0, m_combo[CB_PAN]->currentIndex()));
            p->speedtilt = uint8_t(qMax(0, m_combo[CB_TILT]->currentIndex()));
            p->dur = uint8_t(qMax(0, m_combo[CB_DWELL]->currentIndex()));
            p->tourOn = m_btn[BTN_TOUR]->isChecked() ? 1 : 0;
            for (int i = 0; i < STEPS; ++i)
                p->seq[i] = int16_t(qMax(0, m_combo[CB_STEP + i]->currentIndex()));
        }
        hideWnd();
        emit sg_request(Act_PtzSetupOk);
    } else if (id == BTN_CANCEL) {
        // Checks, names and clears of this visit go with the rest.
        if (g_cfg)
            g_cfg->revert(IDX_PROP_PRESET, nullptr, nullptr);
        hideWnd();
        emit sg_request(Act_PtzSetupCancel);
    }
}

void TPtzsetup::sl_changeIndex(int, int)
{
    // The combos are read on OK only.
}

void TPtzsetup::sl_edclicked(int row)
{
    if (!g_vkeyboard || row < 0 || row >= ROWS)
        return;
    m_editRow = row;
    g_vkeyboard->setTitle(ctlText(T_TYPE_NAME));
    g_vkeyboard->setMaxLength(int(sizeof(PresetItem::name)) - 1);
    g_vkeyboard->setText(m_edit[row]->text());
    g_vkeyboard->setPassword(0);
    g_vkeyboard->show();
}

void TPtzsetup::sl_reply(int code, QString text)
{
    if (code != VK_OK || m_editRow < 0)
        return;
    PresetChannel* p = channelOf(m_ch, 0);
    if (!p)
        return;
    char* name = p->preset[m_page * ROWS + m_editRow].name;
    q2Utf8Whole(name, text, int(sizeof p->preset[0].name));
    // The row shows what was stored, cut as the field holds it.
    m_edit[m_editRow]->setText(QString::fromUtf8(name, int(qstrnlen(name, sizeof p->preset[0].name))));
}

QWidget* TPtzsetup::focused() const
{
    return focusFind(0, const_cast<FocusLink*>(m_focusTable), FOCUS_COUNT);
}

void TPtzsetup::evtKeydown(int key)
{
    qCDebug(lcUiLive, "TPtzsetup::evtKeydown.. key:%08x", key);
    for (TCombo* c : m_combo)
        if (c->keyEvent(key))
            return;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        QWidget* w = focused();
        if (auto* e = qobject_cast<TEdit*>(w))
            sl_edclicked(e->id()); // a name opens the keyboard
        else
            postKey(w, QEvent::KeyPress);
        break;
    }
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        QWidget* w = focusMove(key, m_focusTable, FOCUS_COUNT);
        if (!w)
            w = m_combo[CB_PAN];
        // Sideways onto the tab row lands on the page shown.
        if ((key == Qt::Key_Left || key == Qt::Key_Right) && w == m_btn[BTN_TAB])
            w = m_btn[BTN_TAB + m_page];
        w->setFocus(Qt::OtherFocusReason);
        m_curCtrl = w;
        break;
    }
    case KEY_JOG_LEFT:
    case KEY_JOG_RIGHT: {
        qCDebug(lcUiLive, "JOG_LEFT/RIGHT_KEY");
        QWidget* w = focusNextPrev(key, m_focusTable, FOCUS_COUNT);
        if (!w)
            w = m_combo[CB_PAN];
        w->setFocus(Qt::OtherFocusReason);
        m_curCtrl = w;
        break;
    }
    case Qt::Key_Escape:
        sl_btnclicked(BTN_CANCEL);
        break;
    default:
        break;
    }
}

void TPtzsetup::evtKeyup(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return;
    QWidget* w = focused();
    if (!qobject_cast<TEdit*>(w))
        postKey(w, QEvent::KeyRelease);
}

void TPtzsetup::evtPaint(QPaintEvent*)
{
    QPainter p(this);
    if (g_res) {
        const QPixmap bg = *g_res->getImage(BackImage);
        const QSize want = g_res->getSize(BackImage);
        if (bg.size() == want)
            p.drawPixmap(0, 0, bg);
        else
            p.drawPixmap(QRect(QPoint(0, 0), want), bg);
    } else {
        p.fillRect(rect(), Qt::darkGray);
    }
    QPen frame(ctlColor(24));
    frame.setWidth(4);
    p.setPen(frame);
    p.drawRect(rect().adjusted(2, 2, -2, -2));
    p.setPen(ctlColor(23));
    p.drawText(QRect(0, 0, width(), ctlScale(36)), Qt::AlignCenter, ctlText(T_PTZ) + QLatin1Char(' ') + ctlText(T_SETUP));
    p.setPen(ctlColor(24));
    const int labels[4] = {T_PAN, T_TILT, T_DWELL, T_TOUR};
    for (int i = 0; i < 4; ++i)
        drawFitText(&p, m_labelRect[i], Qt::AlignLeft | Qt::AlignVCenter, ctlText(labels[i]));
    p.setPen(ctlColor(35));
    for (int r = 0; r < ROWS; ++r)
        p.drawText(m_rowRect[r], Qt::AlignLeft | Qt::AlignVCenter,
                   ctlText(T_PRESET) + QLatin1Char(' ') + QString::number(m_page * ROWS + r + 1));
}
