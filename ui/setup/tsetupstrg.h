#pragma once
#include "tsetuppage.h"

#include <QString>
#include <QVector>

struct StorageInfo;

// The "Storage" page of the System tab: one line per disk with its state and
// a "Format" button, "Format" of every disk, the disk check, overwrite,
// mirroring (which needs a format of every disk), automatic deletion, the
// disks watched for alarms and the alarm output. The disk lines are laid
// out in groups; this page has one group of four internal disks, the eSATA
// variant three groups of sixteen disks in all.
class TSetupStrg : public TSetupPage
{
    Q_OBJECT
public:
    TSetupStrg(QWidget* parent, int id, QSize size);

    // Mirroring needs the two disks of each pair (0,1), (2,3) ... whose
    // first disk is one of the first `disks`: both missing is no pair, one
    // missing forbids it, and a second disk smaller than the first by more
    // than 50 MB forbids it.
    static bool mirrorAllowed(const StorageInfo& s, int disks);
    // Used and total megabytes as gigabytes with at most one decimal.
    static QString sizeText(int usedMB, int totalMB);

    int lines() const { return m_lines; }
    int diskCount() const { return m_diskCount; }
    int mirrorLive() const { return m_mirrorLive; }
    QString diskText(int i) const { return i >= 0 && i < m_lines ? m_diskText[i] : QString(); }
    QString totalText() const { return m_totalText; }
    TButton* formatButton(int i) const;
    TButton* allButton() const;
    TButton* runButton() const;
    TButton* overwriteBox() const;
    TButton* mirrorBox() const;
    TButton* alarmBox(int i) const;
    QWidget* autoDeleteCombo() const { return control(comboAd()); }
    QWidget* alarmOutCombo() const { return control(comboAl()); }
    QWidget* defaultButton() const { return control(rowDefault()); }
    QWidget* applyButton() const { return control(rowApply()); }

    void connectTo() override;
    void evtResize() override;
    void evtPaint(QPaintEvent* e) override;

public slots:
    void sl_fromMsg(int button);

protected:
    // One group of disk lines (or of alarm boxes): heading, first disk, count.
    struct Group
    {
        int heading;
        int first;
        int count;
    };
    TSetupStrg(QWidget* parent, int id, QSize size, int lines, const QVector<Group>& groups,
               const QVector<Group>& alarmRows, int requestDelay, bool esata);

    void setCtrl() override;
    void keyMatch() override;
    void buttonClicked(int row) override;
    void onReply(int code, const void* data) override;
    void initSet(const StorageInfo* s);

    // Rows: the disks' "Format" (0 .. lines-1), "Format" of all, "Run",
    // "HDD Overwrite", "Disk Mirroring", the alarm boxes, "Default",
    // "Apply", "Menu", then the two lists.
    int rowAll() const { return m_lines; }
    int rowRun() const { return m_lines + 1; }
    int rowOverwrite() const { return m_lines + 2; }
    int rowMirror() const { return m_lines + 3; }
    int rowAlarm(int i) const { return m_lines + 4 + i; }
    int rowDefault() const { return 2 * m_lines + 4; }
    int rowApply() const { return 2 * m_lines + 5; }
    int rowMenu() const { return 2 * m_lines + 6; }
    int comboAd() const { return 2 * m_lines + 7; }
    int comboAl() const { return 2 * m_lines + 8; }

private:
    void build();
    bool lineShown(int i) const { return m_esata || i < m_diskCount; }
    bool mirrorShown() const { return m_esata || m_diskCount >= 2; }
    void ask(int row, int title, const QString& text);
    void sl_mirrorClicked();

    // A text drawn by the page: a UI text (-1 none), an enclosure's name
    // in brackets after it (-1 none), or a plain text.
    struct Label
    {
        QRect r;
        int text;
        int enclosure;
        QString plain;
        int align;
    };

    int m_lines;
    bool m_esata;
    QVector<Group> m_groups;
    QVector<Group> m_alarmRows;
    int m_diskCount = 0;
    int m_lastBtn = -1;
    int m_mirrorLive = 0;
    int m_usable = 0;
    QString m_diskText[16];
    QString m_totalText;
    QRect m_numRect[16];
    QRect m_textRect[16];
    QRect m_totalRect;
    QVector<Label> m_labels;
};
