#pragma once
#include <QSlider>

// Horizontal slider with an id and the key lock: Enter toggles between moving
// the focus with the arrows (unlocked) and stepping the value (locked).
class TSlider : public QSlider
{
    Q_OBJECT
    // The style draws a locked slider's handle in the focus colour.
    Q_PROPERTY(bool lock READ locked)
public:
    TSlider(QWidget* parent, int id);

    int id() const { return m_id; }
    int lock() const { return m_lock; }
    bool locked() const { return m_lock != 0; }
    // Offered every key by the window first; nonzero: the slider took it.
    int isLock(int key);

signals:
    void sg_valueChanged(int id, int value);

public slots:
    void sl_valueChanged(int value);

protected:
    void enterEvent(QEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    int m_id;
    int m_lock;
};
