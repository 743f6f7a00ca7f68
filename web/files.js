// Files beside the page, for the module: a deck, its screenshots. A server
// that fails for the moment is asked again a few times, so that a blip of
// the network does not end a show; a file that is not there is not.
import { clock } from './form/clock.js';

// Pauses before each try, in milliseconds: the first at once, then longer.
const RETRIES = [0, 250, 500, 1000];
const FOR_NOW = new Set([408, 429, 500, 502, 503, 504]);

// Each part of the path encoded for the address: names may hold # ? % and the like.
const address = (path) => path.split('/').map(encodeURIComponent).join('/');

// The file's bytes, null when it is not there, undefined when it could not be had for now.
async function fetchOnce(path) {
  try {
    const response = await fetch(address(path));
    if (response.ok) return new Uint8Array(await response.arrayBuffer());
    return FOR_NOW.has(response.status) ? undefined : null;
  } catch {
    return undefined;
  }
}

// The densities the site's own pictures are also drawn at, and where: in the
// folders 2x and 3x beside the picture, as PNG ("2x/ScreenShot-3.png" for
// "ScreenShot-3.jpg"; form/qt/denser_pictures.h names them the same way).
export const DENSER_RATIOS = [2, 3];
export function denserName(path, ratio) {
  const slash = path.lastIndexOf('/') + 1;
  return `${path.slice(0, slash)}${ratio}x/${path.slice(slash).replace(/\.[^.]*$/, '')}.png`;
}

export class SiteFiles {
  constructor() {
    this.ahead = null; // the file likely to be asked for next: { path, bytes }
  }

  // The file's bytes, or null. The file fetched ahead, if it is this one, is the first try.
  async read(path) {
    let bytes = this.ahead?.path === path ? await this.ahead.bytes : undefined;
    this.ahead = null;
    for (const pause of RETRIES) {
      if (bytes !== undefined) break;
      if (pause) await new Promise((resume) => clock.setTimeout(resume, pause));
      bytes = await fetchOnce(path);
    }
    return bytes ?? null;
  }

  // The picture drawn for a screen of `ratio` device pixels to a pixel in
  // place of the one at `path`, as { bytes, density }: the least dense that
  // is dense enough, or the densest there is. Null where there is none
  // (an instructor's own pictures) or it cannot be had now.
  async denser(path, ratio) {
    const fitting = DENSER_RATIOS.filter((density) => density >= ratio);
    const order = [...fitting, ...DENSER_RATIOS.filter((density) => density < ratio).reverse()];
    for (const density of order) {
      const bytes = await fetchOnce(denserName(path, density));
      if (bytes) return { bytes, density };
    }
    return null;
  }

  // Starts fetching the file likely to be asked for next, while the student
  // works on this one; only the last one asked for is kept.
  fetchAhead(path) {
    this.ahead = { path, bytes: fetchOnce(path) };
  }
}
