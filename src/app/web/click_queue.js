// The program runs one call at a time, as the desktop's one UI thread does:
// a click made while a press still pauses waits here and runs after it, in
// the order the clicks were made.
export function createClickQueue() {
  let tail = Promise.resolve();
  return function enqueue(job) {
    const run = tail.then(job);
    tail = run.catch((error) => console.error(error));
    return run;
  };
}
