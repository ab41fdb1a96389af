#pragma once
#include "tvkeylayout.h"
#include "tvkeypad.h"
#include "wndid.h"

#include <QRect>
#include <QString>

class QTextCodec;
class THangulComposer;

// The shared on-screen text keyboard (g_vkeyboard): a line and 4 rows of keys
// in a lower-case, a shifted and, with the Korean interface language, a
// Korean two-set layout whose jamo are composed into syllables. Typed with the
// mouse, the arrows and jog with Enter, or the remote's digits; it hides
// itself and answers with sg_reply(code, text).
class TVKeyboard : public TVKeyPad
{
    Q_OBJECT
public:
    // One key cell: rectangle in window coordinates, code (always 0), label.
    struct Key {
        int x, y, w, h;
        int code;
        char label[TVKeyLayout::LabelSize];
        QRect rect() const { return QRect(x, y, w, h); }
    };

    TVKeyboard(QWidget* parent, int id, QSize size);
    ~TVKeyboard() override;

    // The interface language of the OSD settings (edit copy). The
    // configuration store sits above this floor, so main installs its reader
    // here; without one the language counts as English.
    using LangHook = QString (*)();
    static void setLangHook(LangHook hook);

    void initCtrl();
    void setMaxLength(int n);
    void setPassword(int on);
    void setMacMode(int on);

    int mode() const { return m_mode; }
    QRect keyRect(int row, int col) const override;

    void evtShow() override;
    void evtHide() override;
    void evtPaint(QPaintEvent* e) override;
    void evtKeydown(int key) override;

public slots:
    void sl_keynotify(int pressed, int code) override;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void pressKey(int row, int col) override;
    void releaseKey() override;
    void strikeDigit(int digit) override;

private:
    bool isKorean() const;
    void copyLabels();
    void layoutKeys();
    void enterText(const Key* key, int row, int col);

    int m_mode;
    Key m_keys[TVKeyLayout::Rows][TVKeyLayout::Cols];
    Key* m_pressed;
    THangulComposer* m_hangul;
    QTextCodec* m_codecKor;
    int m_macMode;
    int m_password;
    int m_maxLength;
};
