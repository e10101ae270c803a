#pragma once
// Work spread over the processors whose results are taken in order: item i is
// made on any of the worker threads, and the calling thread takes the results
// one after the other, 0, 1, 2, ..., exactly as a plain loop would.

#include <functional>

namespace kestrova {

// The processors this process may run on (its CPU affinity), at least 1.
int MachineThreadCount();

// The threads that parallel work uses: MachineThreadCount() unless a count was
// set. A count below 1 follows the machine again.
int WorkerThreadCount();
void SetWorkerThreadCount(int count);

// Runs make(i) for every i in [0, count) on up to `threads` threads (the
// calling thread one of them) and, on the calling thread, take(i) for each i
// in increasing order once make(i) has ended. make(i) starts only when i < (items taken) + `ahead`, so that at most
// `ahead` items are made or waiting at any time: a caller may keep item i's
// result in slot i % ahead. make runs on several threads at once; take never
// runs at the same time as another take.
//
// An exception from make(i) is raised on the calling thread when item i's turn
// comes (the items before it all taken, none after it): the same as a plain
// loop that stops at item i, except that later items may have been made. An
// exception from take ends the work the same way. With one thread, or one
// item, no thread is started: make(i) and take(i) run one after the other.
void RunInOrder(int count, int threads, int ahead, const std::function<void(int)>& make,
                const std::function<void(int)>& take);

}  // namespace kestrova
