#ifndef FRAMEWORK_CORE_FCTHREAD_H
#define FRAMEWORK_CORE_FCTHREAD_H

#include <pthread.h>

#include <atomic>
#include <condition_variable>
#include <mutex>

#include "core/__FCBase.h"

/* Runs the work of a subclass (Execute) on one detached system thread.
 * The object must outlive its thread. The running flag is the only state
 * shared with the worker; WaitUntilEnd returns only after the work has
 * ended.
 *
 * Virtual operations after those of __FCBase: Execute. */
class FCThread : public __FCBase
{
    std::atomic<bool> _running; /* set while the work runs */
    pthread_attr_t _attributes;
    pthread_t _thread;
    std::mutex _mutex; /* guards the end-of-work signal */
    std::condition_variable _ended;

public:
    FCThread();
    /* Waits for running work before the object goes away. */
    ~FCThread() override;

    const char* ClassName() const override;

    /* The work. */
    virtual void Execute() = 0;

    /* Starts the work on a new detached thread; false while work is running
       or when the thread cannot be made. */
    bool Start();
    /* Returns once no work is running. */
    void WaitUntilEnd();
    /* Runs the work on the calling thread. */
    void _Executor();

    bool IsRunning() const { return _running.load(std::memory_order_acquire); }

    /* Called on the worker thread: runs the work with the flag set. */
    void _RunWork();
};

/* Thread entry: runs the work of the FCThread given (null: nothing). */
extern "C" void* FCThreadFunction(void* pObject);

#endif
