#pragma once
#include <QAtomicInt>
#include <QByteArray>
#include <QString>
#include <QThread>
#include <QVector>

#include <functional>

struct PropUser;

// Applies setup changes away from the GUI thread: the sections of a page (a
// page's Apply), every changed section (OK), every section back (CANCEL), an
// imported configuration or the factory defaults. The device operations and
// the commit to flash run here; everything that touches the configuration's
// copies, a window or the main window's state runs in the GUI thread, in the
// run's order, while the run waits for it. Runs never overlap: a request
// that comes during a run is queued and runs after it.
class TSetupth : public QThread
{
    Q_OBJECT
public:
    // The main window's side of a run; each runs in the GUI thread.
    struct Gui
    {
        std::function<void(int live)> changeDisplay;
        std::function<void()> resetPreview;
        std::function<void()> repaint;
        // The user section was applied: the former and the new record; ok is
        // 1 for the whole OK (a changed id logs its user out), 0 for the
        // page's Apply (an emptied id does).
        std::function<void(const PropUser& before, const PropUser& after, int ok)> userApplied;
        // The auto-logout countdown from the user section of the live copy.
        std::function<void()> logoutPeriod;
        std::function<void(const QString& title, const QString& text)> status;
        // A run is about to start (the thread is idle): what must happen
        // before it, such as a new language for OK.
        std::function<void(int flag)> beforeRun;
    };

    explicit TSetupth(QObject* parent);
    ~TSetupth() override;

    void setGui(const Gui& gui) { m_gui = gui; }
    // Queues a run of flag (1 OK, 2 CANCEL, a page id 3..37, 81 import of
    // the file named text, 82 factory default) and raises the device's
    // apply flag. The run starts at once when none is under way; local is 0
    // for a run that remote setup asked for.
    void set(int flag, int a, int b, const QString& text, int local = 1);
    // 1 from the first set until the end of the last run was handled.
    int busy() const { return m_busy; }
    // The end of a run was handled: starts the next queued run (true) or
    // goes idle (false).
    bool startNext();
    // The run that ran last.
    int flag() const { return m_flag; }
    int local() const { return m_local; }
    // The address page's apply changed the address in the last run.
    int addrChanged() const { return m_addrChanged; }
    // Requests still waiting behind the run.
    int queued() const { return m_queue.size(); }

    // A remote client applied one page from a whole configuration file:
    // every other section of the edit copy goes back to the live copy, so
    // only the page's sections are applied now and a later local OK applies
    // only what the operator changes. Nothing for flags that are no page.
    static void keepPageOnly(int flag);
    // A file name of the external medium that an import may read: no
    // folder, no "..", nothing empty.
    static bool isPlainName(const QString& name);

protected:
    void run() override;

private:
    struct Request
    {
        int flag;
        int a;
        int b;
        QString text;
        int local;
    };
    // Runs f in the GUI thread and waits for it; false when the thread is
    // being stopped before f began (f then never runs).
    bool inGui(const std::function<void()>& f);
    void status(const QString& title, const QString& text);
    void runPage();
    void runOkCancel();
    void runImport();
    void runDefault();
    // The section's apply operations on the device after OK or CANCEL.
    void sectionOps(int idx, bool ok, const QByteArray& before, const QByteArray& after, int* clockSet);
    // The date/time section's edit copy with its clock offset spent.
    void spendClockOffset();
    void log(const char* label);
    // Commits the RAM file to flash; a failure is shown in the status box.
    // True when the configuration is in flash.
    bool commit();

    Gui m_gui;
    QVector<Request> m_queue;
    int m_busy = 0;
    int m_flag = 0;
    int m_a = 0;
    int m_b = 0;
    QString m_text;
    int m_local = 1;
    int m_addrChanged = 0;
    QByteArray m_user; // the user logged in when the run started
    QAtomicInt m_abort;
};
