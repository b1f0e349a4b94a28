#include "run_control.h"

#include <sqlite3.h>

namespace posdb {

namespace {
// Virtual machine steps between two looks at the clock and the cancel flag.
constexpr int kCheckEvery = 1000;
}  // namespace

void RunControl::cancel() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (running_) cancel_ = true;  // a cancel between runs has no effect
}

RunControl::Run::Run(sqlite3* db, RunControl* control) : db_(db), control_(control) {
    if (!control_) return;
    {
        std::lock_guard<std::mutex> lock(control_->mutex_);
        control_->running_ = true;
        control_->cancel_ = false;
    }
    control_->stop_ = Stop::None;
    control_->deadline_ = std::chrono::steady_clock::now() + std::chrono::seconds(control_->timeout_seconds_);
    sqlite3_progress_handler(db_, kCheckEvery, &RunControl::progress, control_);
}

RunControl::Run::~Run() {
    if (!control_) return;
    sqlite3_progress_handler(db_, 0, nullptr, nullptr);
    std::lock_guard<std::mutex> lock(control_->mutex_);
    control_->running_ = false;
    control_->cancel_ = false;
}

bool RunControl::overran() {
    if (timeout_seconds_ == 0 || std::chrono::steady_clock::now() < deadline_) return false;
    stop_ = Stop::Timeout;
    return true;
}

int RunControl::progress(void* self) {
    RunControl& control = *static_cast<RunControl*>(self);
    if (control.cancel_) {
        control.stop_ = Stop::Cancel;
        return 1;
    }
    if (control.timeout_seconds_ > 0 && std::chrono::steady_clock::now() >= control.deadline_) {
        control.stop_ = Stop::Timeout;
        return 1;
    }
    return 0;
}

}  // namespace posdb
