// The deck that Play from here plays: the Tessivar page in the author page's
// frame reads it through the author page's hook (hook.js), its deck.csv as
// the module wrote it for the chosen slide and its pictures from the files
// chosen on the computer.
const FOLDER = 'trial'; // the deck's folder name for the show

export class TrialDeck {
  // blobs: the pictures taken in, by name (ChosenFiles.blobs), as they stand when read.
  constructor(blobs) {
    this.blobs = blobs;
    this.deckFile = null;
  }

  // The show's address for the deck's text (deck.csv), from slide `first` on.
  play(text, first) {
    this.deckFile = new TextEncoder().encode(text);
    return `tessivar.html?deck=${FOLDER}&slide=${first}`;
  }

  async read(path) {
    if (path === `${FOLDER}/deck.csv`) return this.deckFile;
    const blob = path.startsWith(`${FOLDER}/`) && this.blobs.get(path.slice(FOLDER.length + 1));
    return blob ? new Uint8Array(await blob.arrayBuffer()) : null;
  }
}
