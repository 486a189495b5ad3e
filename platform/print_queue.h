// What the print system says of a queue before a job is sent to it.
#pragma once

#include <QString>

namespace krv1::platform {

// False when the queue is known to reject jobs. A queue that rejects jobs
// still lets Qt finish the page without an error, and the job would be lost
// without a word, so the program asks first.
bool QueueAcceptsJobs(const QString& queue);

}  // namespace krv1::platform
