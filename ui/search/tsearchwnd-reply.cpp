#include "tsearchwnd.h"

// Answers of the main window and of the thread, list paging, external media
// and the options dialog.

void TSearchWnd::createOpt() {}

void TSearchWnd::connectReplies() {}

void TSearchWnd::disconnectReplies() {}

QWidget* TSearchWnd::optDialog() const
{
    return nullptr;
}

void TSearchWnd::showOpt() {}

void TSearchWnd::sl_reply(int, void*) {}
