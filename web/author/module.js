// The author page's module (author.js, from the desktop's own deck code): its
// calls with texts and bytes in, JSON answers out.
import createModule from '../author.js';
import { callsOf } from './calls.js';

// The module, loaded: the calls on its deck.
export async function loadDeck() {
  const module = await createModule();
  const { call, withBytes } = callsOf(module);

  return {
    // A new deck from its deck.csv's bytes (null: none yet): {problems, passingScore}.
    start: (bytes) => withBytes(bytes ?? new Uint8Array(), (at, length) =>
      call('author_start', ['number', 'number'], [bytes ? at : 0, length])),
    newChoice: () => module._author_new_choice(),
    kind: (name) => call('author_kind', ['string'], [name]),
    admit: (name) => call('author_admit', ['string'], [name]),
    // Why a file of this name and length is not read, or null: asked first.
    tooLarge: (name, length) => call('author_too_large', ['string', 'number'], [name, length]),
    // A picture's bytes (and the CRC its zip lists): why it is left out, or null.
    take: (name, bytes, crc = -1) => withBytes(bytes, (at, length) =>
      call('author_take', ['string', 'number', 'number', 'number'], [name, at, length, crc])),
    decoded: (name, width, height) => call('author_decoded', ['string', 'number', 'number'], [name, width, height]),
    listPictures: () => module._author_list_pictures(),
    zipDirectory: (tail, size) => withBytes(tail, (at, length) =>
      call('author_zip_directory', ['number', 'number', 'number'], [at, length, size])),
    zipDeck: (directory, zipName) => withBytes(directory, (at, length) =>
      call('author_zip_deck', ['number', 'number', 'string'], [at, length, zipName])),
    zipData: (local, header) => withBytes(local, (at, length) => module._author_zip_data(at, length, header)),
    state: (chosen) => call('author_state', ['number'], [chosen]),
    setText: (index, text) => module.ccall('author_set_text', null, ['number', 'string'], [index, text]),
    setTarget: (index, [left, top, width, height]) => module._author_set_target(index, left, top, width, height),
    // The target after an arrow key over the part of the picture in view: [left, top, width, height] or null.
    keyedTarget: (index, arrow, shift, resize, [left, top, width, height]) => call('author_keyed_target',
      ['number', 'number', 'boolean', 'boolean', 'number', 'number', 'number', 'number'],
      [index, arrow, shift, resize, left, top, width, height]),
    move: (index, by) => module._author_move(index, by),
    remove: (index) => module._author_remove(index),
    // The last removal undone: where its entry is back, or -1.
    undoRemove: () => module._author_undo_remove(),
    play: (chosen) => call('author_play', ['number'], [chosen]),
    // Why the deck may not be downloaded as it stands.
    exportProblems: (name, mastery) => call('author_export_problems', ['string', 'number'], [name, mastery]),
    // The deck as a zip or a package (kind: a DeckExportKind), built
    // over the site's own package: {problems, notes, file, pictures, bytes}.
    export(kind, name, mastery, built) {
      const answer = withBytes(built ?? new Uint8Array(), (at, length) =>
        call('author_export', ['number', 'string', 'number', 'number', 'number'], [kind, name, mastery, at, length]));
      const start = module._author_exported();
      answer.bytes = module.HEAPU8.slice(start, start + module._author_exported_length());
      return answer;
    },
  };
}
