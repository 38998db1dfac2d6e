#pragma once
// What a Windows coordinator about to end on a console signal asks of its
// workers' Job.
namespace zuvediv {

// Ends every worker now and lets no more start. A worker being started
// is first put in the Job, so none is left behind suspended.
void end_all_workers();

}  // namespace zuvediv
