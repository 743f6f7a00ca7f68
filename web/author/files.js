// The files an instructor chooses (screenshots, a deck's deck.csv, a folder,
// a deck's zip), read into the module in turn, each step a task of its own:
// the page answers while hundreds of large pictures are read. Only the
// pictures' files are kept, not their bytes.
import { pictureSize } from './decoder.js';

const ZIP_TAIL = 22 + 0xffff; // the end record and its longest comment
const ZIP_LOCAL = 30;

const bytesOf = async (blob) => new Uint8Array(await blob.arrayBuffer());

// A zipped file's data as a Blob, unpacked; null when it is damaged or the
// browser cannot unpack it. Never more than the size the zip lists for it.
async function unpacked(deck, zip, file) {
  const start = deck.zipData(await bytesOf(zip.slice(file.header, file.header + ZIP_LOCAL)), file.header);
  if (start < 0 || start + file.packed > zip.size) return null;
  const packed = zip.slice(start, start + file.packed);
  if (!file.deflated) return packed.size === file.size ? packed : null;
  if (typeof DecompressionStream !== 'function') return null;
  const chunks = [];
  let length = 0;
  try {
    const reader = packed.stream().pipeThrough(new DecompressionStream('deflate-raw')).getReader();
    for (let part = await reader.read(); !part.done; part = await reader.read()) {
      length += part.value.length;
      if (length > file.size) {
        await reader.cancel();
        return null;
      }
      chunks.push(part.value);
    }
  } catch {
    return null;
  }
  return length === file.size ? new Blob(chunks) : null;
}

// The deck in a chosen zip: {name, refused, problems, files: [{name, blob, crc}]}.
async function openZip(deck, { name, blob }) {
  const notOpened = { refused: true, problems: [`"${name}" is not a zip archive, or it is damaged: it is not opened`] };
  const span = deck.zipDirectory(await bytesOf(blob.slice(Math.max(0, blob.size - ZIP_TAIL))), blob.size);
  if (!span) return notOpened;
  const listed = deck.zipDeck(await bytesOf(blob.slice(span.offset, span.offset + span.size)), name);
  if (!listed || listed.refused) return listed ?? notOpened;
  const files = [];
  for (const file of listed.files) {
    // The size the zip lists, before anything is unpacked.
    const tooLarge = deck.tooLarge(file.name, file.size);
    const data = tooLarge ? null : await unpacked(deck, blob, file);
    if (data) files.push({ name: file.name, blob: data, crc: file.crc });
    else listed.problems.push(tooLarge ?? `"${file.name}" cannot be read from the zip: it is damaged, or packed in a way this browser does not unpack; it is left out`);
  }
  return { ...listed, files };
}

// Pictures are decoded two at a time, each in a worker of its own, while
// the next one's bytes are read here; the bytes read go to the worker (a
// file that a worker reads again is slow in some browsers). Where a worker
// cannot start, here.
const LANES = 2;
const DECODER = new URL('decode-worker.js', import.meta.url);
const sizeOf = (decoder, blob, bytes) => new Promise((resolve) => {
  decoder.onmessage = ({ data }) => resolve(data.size);
  decoder.onerror = () => resolve(pictureSize(blob));
  decoder.postMessage({ bytes }, [bytes.buffer]);
});

// A picture: its length and bytes checked by the module, then decoded by
// the browser for its size. Why it is left out, or its size.
async function measure(deck, decoder, { name, blob, crc }) {
  const bytes = await checkedBytes(deck, name, blob);
  if (bytes.refused) return bytes;
  const refused = deck.take(name, bytes, crc);
  return refused ? { refused } : { size: await sizeOf(decoder, blob, bytes) };
}

// A chosen file's bytes, or { refused: why } when it is beyond its limit
// (asked before reading) or cannot be read (gone from the disk, or locked,
// since it was chosen).
async function checkedBytes(deck, name, blob) {
  const tooLarge = deck.tooLarge(name, blob.size);
  if (tooLarge) return { refused: tooLarge };
  try {
    return await bytesOf(blob);
  } catch (error) {
    return { refused: `"${name}" cannot be read (${error.name}): it is left out` };
  }
}

// A deck file's bytes, or null with the reason in `messages`.
async function deckBytesOf(deck, { name, blob }, messages) {
  const bytes = await checkedBytes(deck, name, blob);
  if (!bytes.refused) return bytes;
  messages.push(bytes.refused);
  return null;
}

// The files of a file input: of a chosen folder, those at its top alone, as
// a deck's subfolders are not its pictures.
export function choiceOf(input) {
  const files = [...input.files];
  const folder = files.find((file) => file.webkitRelativePath)?.webkitRelativePath.split('/')[0];
  return {
    folder,
    files: files.filter((file) => !file.webkitRelativePath || file.webkitRelativePath.split('/').length === 2)
      .map((file) => ({ name: file.name, blob: file })),
  };
}

// deck: the module's (module.js), which each file is told to.
export class ChosenFiles {
  constructor(deck) {
    this.deck = deck;
    this.blobs = new Map(); // each picture taken in, by name
    this.decoders = Array.from({ length: LANES }, () => new Worker(DECODER, { type: 'module' }));
  }

  // Reads a choice. A deck (its deck.csv, its zip, a folder) starts a new
  // deck, once `mayReplace` agrees; pictures alone join the deck in progress.
  // `progress` is told how many of its pictures are read.
  // {opened: a new deck, name: its folder's name if any, passingScore: the
  // one its deck.csv keeps, messages}, or null when not read.
  async read({ files, folder }, mayReplace, progress) {
    const { deck } = this;
    const messages = [];
    const chosen = files.map((file) => ({ ...file, ...deck.kind(file.name) }));
    let pictures = chosen.filter((file) => file.kind === 'picture');
    const deckFile = chosen.find((file) => file.kind === 'deck');
    const zip = chosen.find((file) => file.kind === 'zip');
    let name = folder;
    let deckBytes = deckFile ? await deckBytesOf(deck, deckFile, messages) : null;
    if (zip) {
      if (files.length > 1) messages.push(`A deck's zip is opened alone: only "${zip.name}" is read`);
      const zipped = await openZip(deck, zip);
      messages.push(...zipped.problems);
      if (zipped.refused) return { messages };
      const inside = zipped.files.map((file) => ({ ...file, ...deck.kind(file.name) }));
      const zippedDeck = inside.find((file) => file.kind === 'deck');
      deckBytes = zippedDeck ? await deckBytesOf(deck, zippedDeck, messages) : null;
      pictures = inside.filter((file) => file.kind === 'picture');
      messages.push(...inside.filter((file) => file.kind === 'out').map((file) => file.message));
      name = zipped.name;
    } else {
      messages.push(...chosen.filter((file) => file.kind === 'out').map((file) => file.message));
    }
    const opensDeck = name !== undefined || deckFile !== undefined;
    if (opensDeck && !(await mayReplace())) return null;
    let passingScore;
    if (opensDeck) {
      const started = deck.start(deckBytes);
      messages.push(...started.problems);
      passingScore = started.passingScore;
      this.blobs.clear();
    }
    deck.newChoice();
    pictures.sort((a, b) => (a.name < b.name ? -1 : 1));
    // Each picture is told to the module after the one before it, whichever
    // lane decoded it first: the list grows, and its messages come, in the
    // pictures' order.
    const told = pictures.map(() => []);
    const tell = (at, { refused, size }) => {
      const { name, blob } = pictures[at];
      refused ??= deck.decoded(name, ...size);
      if (refused) told[at].push(refused);
      if (refused) this.blobs.delete(name);
      else this.blobs.set(name, blob);
    };
    let [next, toldAll] = [0, Promise.resolve()];
    const lane = async (decoder) => {
      for (let at = next++; at < pictures.length; at = next++) {
        progress(at, pictures.length);
        const admitted = deck.admit(pictures[at].name);
        if (admitted.message) told[at].push(admitted.message);
        if (admitted.kind !== 'picture') continue;
        const measured = measure(deck, decoder, pictures[at]);
        toldAll = Promise.all([measured, toldAll]).then(([read]) => tell(at, read));
        await measured;
      }
    };
    await Promise.all(this.decoders.map(lane));
    await toldAll;
    messages.push(...told.flat());
    deck.listPictures();
    progress(pictures.length, pictures.length);
    return { opened: opensDeck, name, passingScore, messages };
  }
}
