#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

namespace qv {

class Datenbank;

/// A thread that owns one database connection and runs calls on it one after the other, so a
/// database that answers slowly or not at all blocks the caller no longer than a time limit.
/// A call that runs over the limit gives the thread up: it is left to end on its own once the
/// engine returns, and this worker takes no further calls.
class DatabaseWorker
{
public:
    DatabaseWorker();
    /// Ends the thread; waits at most `limit` for a call still running, then leaves it.
    ~DatabaseWorker();
    DatabaseWorker(const DatabaseWorker &) = delete;
    DatabaseWorker &operator=(const DatabaseWorker &) = delete;

    /// Runs job on the worker's connection and returns its result, or nullopt when it did
    /// not finish within limit. The job must capture by value: it may outlive the caller.
    template <typename T>
    std::optional<T> run(std::function<T(Datenbank &)> job, std::chrono::milliseconds limit)
    {
        auto ergebnis = std::make_shared<std::optional<T>>();
        if (!runJob([job = std::move(job), ergebnis](Datenbank &db) { *ergebnis = job(db); }, limit))
            return std::nullopt;
        return std::move(*ergebnis);
    }

    /// True once a call ran over its limit; the worker is then of no further use.
    bool aufgegeben() const { return m_aufgegeben; }

private:
    struct State;
    bool runJob(std::function<void(Datenbank &)> job, std::chrono::milliseconds limit);

    std::shared_ptr<State> m_state;
    std::thread m_thread;
    bool m_aufgegeben = false;
    std::chrono::milliseconds m_endeLimit{1000};
};

} // namespace qv
