#pragma once

#include <QGuiApplication>

// Shows the busy pointer over the whole program while long work runs: a cut
// or a resume of a big photo.
class BusyPointer {
  public:
    BusyPointer() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { release(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

    // Before a message: the player is asked something, nothing is busy.
    void release()
    {
        if (active_) QGuiApplication::restoreOverrideCursor();
        active_ = false;
    }

  private:
    bool active_ = true;
};
