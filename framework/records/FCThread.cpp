#include "records/FCThread.h"

FCThread::FCThread() : _running(false), _attributes(), _thread() {}

FCThread::~FCThread() { WaitUntilEnd(); }

const char* FCThread::ClassName() const { return "FCThread"; }

bool FCThread::Start()
{
    /* The flag is raised here, before the thread exists, so that a second
       Start is refused and WaitUntilEnd waits even if the worker has not
       begun yet. */
    bool expected = false;
    if (!_running.compare_exchange_strong(expected, true, std::memory_order_acq_rel))
        return false;

    bool started = false;
    if (pthread_attr_init(&_attributes) == 0) {
        if (pthread_attr_setdetachstate(&_attributes, PTHREAD_CREATE_DETACHED) == 0)
            started = pthread_create(&_thread, &_attributes, FCThreadFunction, this) == 0;
        pthread_attr_destroy(&_attributes);
    }
    if (!started) {
        std::lock_guard<std::mutex> lock(_mutex);
        _running.store(false, std::memory_order_release);
        _ended.notify_all();
    }
    return started;
}

void FCThread::_RunWork()
{
    _running.store(true, std::memory_order_release);
    Execute();
    /* Signal under the lock: the waiting side cannot return (and the object
       cannot go away) before this thread has let go of the mutex. */
    std::lock_guard<std::mutex> lock(_mutex);
    _running.store(false, std::memory_order_release);
    _ended.notify_all();
}

void FCThread::_Executor() { _RunWork(); }

void FCThread::WaitUntilEnd()
{
    std::unique_lock<std::mutex> lock(_mutex);
    _ended.wait(lock, [this] { return !_running.load(std::memory_order_acquire); });
}

extern "C" void* FCThreadFunction(void* pObject)
{
    if (pObject)
        static_cast<FCThread*>(pObject)->_RunWork();
    return nullptr;
}
