// "Save scores" and "Load scores", outside the dialog: the highscore file
// downloaded as the desktop keeps it, and a file from the desktop or another
// browser merged in by the program (each slot keeps the higher value).  The
// file's name and the largest file read are the program's (`settings`).
export function wireScoresTransfer({ saveButton, loadButton, fileInput, settings, storedScores, loadScores, showMessage }) {
  saveButton.addEventListener('click', async () => {
    const text = await storedScores();
    if (text === null) return; // the program has said so
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([text], { type: 'text/plain' }));
    link.download = settings.scoreFileName;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 1000);
  });

  loadButton.addEventListener('click', () => fileInput.click());
  fileInput.addEventListener('change', async () => {
    const file = fileInput.files[0];
    fileInput.value = '';
    if (!file) return;
    // An oversized file is refused unread; the program says so in its words.
    const bytes = new Uint8Array(await file.slice(0, settings.maxScoreFileBytes + 1).arrayBuffer());
    await showMessage(await loadScores(bytes), 'Load scores');
  });
}
