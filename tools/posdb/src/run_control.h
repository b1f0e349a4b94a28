// Stopping a running statement: after its time limit, or when another
// thread cancels it. SQLite checks in through its progress handler.
#pragma once

#include <atomic>
#include <chrono>
#include <mutex>

struct sqlite3;

namespace posdb {

class RunControl {
public:
    enum class Stop { None, Timeout, Cancel };

    // 0: no limit. Takes effect from the next run.
    void set_timeout(unsigned long seconds) { timeout_seconds_ = seconds; }

    // Any thread: stops the run in progress, if there is one.
    void cancel();

    // Why the last run was stopped.
    Stop stop() const { return stop_.load(); }

    // True when the last run went past its time limit, also where SQLite
    // gave no chance to stop it (one long step near its end); records so.
    bool overran();

    // Watches SQLite's work on db while it exists; one run at a time.
    class Run {
    public:
        Run(sqlite3* db, RunControl* control);
        ~Run();
        Run(const Run&) = delete;
        Run& operator=(const Run&) = delete;

    private:
        sqlite3* db_;
        RunControl* control_;
    };

private:
    static int progress(void* self);

    unsigned long timeout_seconds_ = 0;
    std::chrono::steady_clock::time_point deadline_{};
    std::mutex mutex_;  // running_ against cancel()
    bool running_ = false;
    std::atomic<bool> cancel_{false};
    std::atomic<Stop> stop_{Stop::None};
};

}  // namespace posdb
