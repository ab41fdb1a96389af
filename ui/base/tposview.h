#pragma once
#include <QStringList>
#include <QWidget>

// The text lines of one point-of-sale transaction as a striped list in the
// search window. The owner replaces m_lines as a whole per transaction and
// then gives the row count with setLines.
class TPosView : public QWidget
{
    Q_OBJECT
public:
    TPosView(QWidget* parent, int id, QSize size);

    void setLines(int n);
    void addLine(const QString& line);
    void removeLine(const QString& line);
    void clear();
    void refresh();

    int lineCount() const { return m_lineCount; }
    int lineH() const { return m_lineH; }

    QStringList m_lines;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    int m_lineCount;
    int m_lineH;
};
