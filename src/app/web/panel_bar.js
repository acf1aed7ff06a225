// The touch layout's bar: a button per panel, by its caption, that shows
// that panel; the shown one is pressed.  Every trainer keeps its state, as
// the panels are only hidden.
export function createPanelBar(nav, captions, choose) {
  const buttons = captions.map((caption, index) => {
    const button = document.createElement('button');
    button.type = 'button';
    button.textContent = caption;
    button.addEventListener('click', () => choose(index));
    return button;
  });
  nav.append(...buttons);
  return {
    select(shown) {
      buttons.forEach((button, index) => button.setAttribute('aria-pressed', String(index === shown)));
    },
  };
}
