// The program's message box: a modal dialog with the caption, the text and
// one OK button.  It takes the focus while it is up, gives it back to what
// had it, and settles its promise when closed (OK, Enter or Escape).
export function createMessageBox(element) {
  const caption = element.querySelector('#message-caption');
  const text = element.querySelector('#message-text');
  const ok = element.querySelector('#message-ok');
  ok.addEventListener('click', () => element.close());

  return function showMessage(message, title) {
    const returnTo = document.activeElement;
    caption.textContent = title;
    text.textContent = message;
    return new Promise((resolve) => {
      element.addEventListener(
        'close',
        () => {
          if (returnTo && returnTo.isConnected) returnTo.focus();
          resolve();
        },
        { once: true },
      );
      element.showModal();
      ok.focus();
    });
  };
}
