#pragma once
#include <QColor>
#include <QPushButton>

class QIcon;

// The push button of every window: carries an id, paints an icon strip from
// the image sheet as its face (normal, highlighted, pressed, disabled), and
// condenses its text to fit. One window slot serves all buttons by id.
//
// Types: 0 standard painting; 1 icon, state from setState; 4 as 1 and also
// reports press and release; 5 checkable icon, state from the check;
// 6 icon always normal/off, reports press and release.
class TButton : public QPushButton
{
    Q_OBJECT
public:
    TButton(QWidget* parent, QIcon* icon, const QString& text, int id, const QColor& color, int type);

    void setText(const QString& text);
    void setState(int state, QIcon* icon);
    int state() const;
    void setAlign(int align, int indent);

    int id() const { return m_id; }
    int type() const { return m_type; }
    int look() const { return m_look; }

signals:
    void sg_clicked(int id, int state);
    void sg_pressed(int id);
    void sg_released(int id);
    void sg_moved(QMouseEvent* e);

public slots:
    void sl_clicked();
    void sl_pressed();
    void sl_released();

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void enterEvent(QEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    bool isIconType() const;

    QColor m_color;
    QIcon* m_icon;
    QString m_text;
    int m_id;
    int m_type;
    int m_state;
    int m_look;
    int m_align;
    int m_indent;
};
