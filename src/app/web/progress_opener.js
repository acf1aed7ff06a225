// The Progress button (beside Save/Load scores) and the touch bar's entry
// open the Progress view.  Its script and style are fetched the first time
// only, so the page's start carries none of them.  `context` is a promise:
// the view needs the program, which may still be arriving.
export function wireProgress(button, context) {
  let view = null;
  const open = async () => {
    view ??= Promise.all([context, import('./progress.js')]).then(([given, module]) => module.createProgressView(given));
    (await view).open();
  };
  button.addEventListener('click', open);
  return open;
}
