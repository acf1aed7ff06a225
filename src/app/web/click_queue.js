// The program runs one call at a time, as the desktop's one UI thread does:
// a click made while a press still pauses waits here and runs after it, in
// the order the clicks were made.  While calls are waiting or running the
// page says it is busy (the pointer shows progress, as the desktop's does).
export function createClickQueue(onBusy = () => {}) {
  let tail = Promise.resolve();
  let pending = 0;
  return function enqueue(job) {
    if (pending++ === 0) onBusy(true);
    const run = tail.then(job);
    tail = run
      .catch((error) => console.error(error))
      .finally(() => {
        if (--pending === 0) onBusy(false);
      });
    return run;
  };
}
