// node run_pause_through_callbacks.cjs PROGRAM.js: calls the program's one
// function as the page calls the program, through ccall, asynchronously, so
// that it may suspend; its answer is the exit status.
globalThis.Module = {
  onRuntimeInitialized() {
    globalThis.Module.ccall('velmo_pause_through_callbacks', 'number', [], [], { async: true }).then((status) => {
      process.exitCode = status;
    });
  },
};
require(require('node:path').resolve(process.argv[2]));
