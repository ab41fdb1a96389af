#pragma once
#include <QComboBox>

// Drop-down list with an id. While its list is open the window hands it the
// front-panel keys (keyEvent), so the jog dial and arrows move in the list.
class TCombo : public QComboBox
{
    Q_OBJECT
public:
    TCombo(QWidget* parent, int id);

    int id() const { return m_id; }
    // 1 when the open list took the key, 0 when the window should handle it.
    int keyEvent(int key);

signals:
    void sg_changeIndex(int id, int index);

public slots:
    void sl_changeIndex(int index);

protected:
    void enterEvent(QEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    int m_id;
};
