#include "config/DatabaseWorker.h"

#include "config/Datenbank.h"

#include <condition_variable>
#include <deque>
#include <mutex>

namespace qv {

// Shared by the worker object and its thread; whichever lets go last frees it.
struct DatabaseWorker::State
{
    struct Job
    {
        std::function<void(Datenbank &)> arbeit;
        bool fertig = false;
    };

    std::mutex mutex;
    std::condition_variable cv;
    std::deque<std::shared_ptr<Job>> warteschlange;
    bool ende = false;
    bool beendet = false;
};

DatabaseWorker::DatabaseWorker() : m_state(std::make_shared<State>())
{
    m_thread = std::thread([state = m_state] {
        {
            // The connection belongs to this thread: it is opened, used and closed here only.
            Datenbank db;
            for (;;) {
                std::shared_ptr<State::Job> job;
                {
                    std::unique_lock lock(state->mutex);
                    state->cv.wait(lock, [&] { return state->ende || !state->warteschlange.empty(); });
                    if (state->ende)
                        break;
                    job = state->warteschlange.front();
                    state->warteschlange.pop_front();
                }
                job->arbeit(db);
                {
                    std::lock_guard lock(state->mutex);
                    job->fertig = true;
                }
                state->cv.notify_all();
            }
        }
        std::lock_guard lock(state->mutex);
        state->beendet = true;
        state->cv.notify_all();
    });
}

DatabaseWorker::~DatabaseWorker()
{
    bool beendet = false;
    {
        std::unique_lock lock(m_state->mutex);
        m_state->ende = true;
        m_state->cv.notify_all();
        if (!m_aufgegeben)
            beendet = m_state->cv.wait_for(lock, m_endeLimit, [&] { return m_state->beendet; });
    }
    if (beendet)
        m_thread.join();
    else
        m_thread.detach();
}

bool DatabaseWorker::runJob(std::function<void(Datenbank &)> arbeit, std::chrono::milliseconds limit)
{
    if (m_aufgegeben)
        return false;
    auto job = std::make_shared<State::Job>();
    job->arbeit = std::move(arbeit);
    std::unique_lock lock(m_state->mutex);
    m_state->warteschlange.push_back(job);
    m_state->cv.notify_all();
    if (m_state->cv.wait_for(lock, limit, [&] { return job->fertig; }))
        return true;
    // Left to finish on its own; the next call gets a new worker.
    m_aufgegeben = true;
    m_state->ende = true;
    m_state->cv.notify_all();
    return false;
}

} // namespace qv
