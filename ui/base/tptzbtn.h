#pragma once
#include <QPixmap>
#include <QPolygon>
#include <QWidget>

// The direction pad of the PTZ setup page: a square picture split into four
// triangles (up, down, left, right). A press starts the camera moving in that
// direction and the release stops it, by mouse or by keys; the page passes
// its keys to keyEvent with 1 for a press and 0 for a release.
class TPtzbtn : public QWidget
{
    Q_OBJECT
public:
    enum { Up = 0, Down = 1, Left = 2, Right = 3, Idle = 8 };

    explicit TPtzbtn(QWidget* parent);

    int keyEvent(int key, int state);

    int picture() const { return m_state; }
    int dir() const { return m_dir; }
    int keyOn() const { return m_keyOn; }
    // The first direction whose triangle holds p, -1 for none.
    int dirAt(const QPoint& p) const;
    // The centre of a direction's triangle, for an operator's click.
    QPoint centreOf(int dir) const;

signals:
    void sg_keynotify(int pressed, int dir);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    void goIdle();

    QPixmap m_img[9];
    int m_state;
    int m_dir;
    QPolygon m_tri[4];
    int m_keyOn;
};
