#include "FinderQueue.h"

#include <algorithm>

Result FinderQueue::catchUpSmall()
{
    qint64 waiting = 0;
    Result counted = backlog(&waiting);
    if (!counted.ok() || waiting == 0 || waiting > SmallQueue)
        return counted;
    int done = 0;
    return indexQueued(SmallQueue, &done);
}

Result FinderQueue::catchUp(const Progress& progress)
{
    qint64 total = 0;
    Result result = backlog(&total);
    for (qint64 done = 0; result.ok() && done < total;) {
        int step = 0;
        result = begin();
        if (result.ok())
            result = indexQueued(m_stepRows, &step);
        if (result.ok())
            result = commit();
        if (!result.ok()) {
            rollBack();
            return result;
        }
        done += step;
        if (step == 0 || (progress && !progress(std::min(done, total), total)))
            break;
    }
    return result;
}
