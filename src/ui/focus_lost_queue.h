#pragma once

#include <deque>
#include <functional>

// The one place that decides when a page hears that a field lost the focus.
//
// A handler runs after the focus has moved, never inside the focus change, and one at a time.
// While a handler runs or a modal box is open, further focus losses are not reported: the box
// itself takes the focus away, and a refused field takes it back; neither is the user leaving a
// field, and reporting them would run a second check or bounce the focus between two fields.
class FocusLostQueue {
public:
    static FocusLostQueue& instance();

    void post(std::function<void()> handler);
    // Runs the waiting handlers now. False when one of them showed a modal box; the rest are
    // then dropped, as the focus went back to the refused field.
    bool flush();
    // True while focus losses are not reported.
    bool busy() const { return running_ || openModals_ > 0 || quiet_ > 0; }
    int pending() const { return static_cast<int>(pending_.size()); }

    // Runs a focus move or a show/hide made by the logic itself, whose focus losses are not the
    // user's doing.
    void quietly(const std::function<void()>& change);

    // Modal boxes and dialogs report while they are open.
    void modalOpened();
    void modalClosed();
    int modalsShown() const { return modalsShown_; }

    // Forgets what is waiting (for tests).
    void reset();

private:
    std::deque<std::function<void()>> pending_;
    bool scheduled_ = false;
    bool running_ = false;
    int openModals_ = 0;
    int quiet_ = 0;
    int modalsShown_ = 0;
};

// Marks a modal box or dialog as open for its lifetime.
class ModalScope {
public:
    ModalScope() { FocusLostQueue::instance().modalOpened(); }
    ~ModalScope() { FocusLostQueue::instance().modalClosed(); }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;
};
