#pragma once
#include <QLineEdit>

class TDefWnd;

// One-line text field with an id. Usually read-only: a click or Return asks
// the window to open the on-screen keyboard on it (sg_clicked). The keyboards
// use it as an ordinary editable line (setPassword(0)).
class TEdit : public QLineEdit
{
    Q_OBJECT
public:
    TEdit(QWidget* parent, int id, int kbd);

    int id() const { return m_id; }
    int kbd() const { return m_kbd; }
    int editing() const { return m_editing; }
    void setPassword(int mode);
    void cursorToEnd();
    int editKey(int key);

signals:
    void sg_clicked(int id);

public slots:
    void sl_textChanged(QString text);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void enterEvent(QEvent* e) override;

private:
    TDefWnd* m_parent;
    int m_id;
    int m_echo;
    int m_kbd;
    int m_editing;
    int m_cursor;
};
