#pragma once
#include <QString>

class QWidget;

// A TCP port typed on the number pad of a network page: the number when it
// lies in 1..65535; otherwise the shared message box says "Warning" / "Out
// Of Range" centred over `over`, and the answer is -1 (the page keeps what
// it had).
int typedPort(const QString& text, QWidget* over);
