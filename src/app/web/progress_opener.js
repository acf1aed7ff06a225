// The Progress button (beside Save/Load scores) and the touch bar's entry
// open the Progress view.  Its script and style are fetched the first time
// only, so the page's start carries none of them.
export function wireProgress(button, context) {
  let view = null;
  const open = async () => {
    view ??= import('./progress.js').then((module) => module.createProgressView(context));
    (await view).open();
  };
  button.addEventListener('click', open);
  return open;
}
