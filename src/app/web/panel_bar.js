// The touch layout's bar: a button per entry (a panel, by its caption, and
// Save/Load scores) that shows it; the shown one is pressed.  Every trainer
// keeps its state, as the panels are only hidden.
export function createPanelBar(nav, captions, choose) {
  const buttons = captions.map((caption, index) => {
    const button = document.createElement('button');
    button.type = 'button';
    button.textContent = caption;
    button.addEventListener('click', () => choose(index));
    return button;
  });
  nav.append(...buttons);
  nav.style.setProperty('--entries', String(buttons.length));
  return {
    select(shown) {
      buttons.forEach((button, index) => button.setAttribute('aria-pressed', String(index === shown)));
    },
  };
}
