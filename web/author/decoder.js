// A chosen picture's [width, height] as the browser decodes it, or [0, 0]
// when it cannot. The author page runs it in workers too (decode-worker.js),
// so that large pictures decode away from the page's thread, which stays
// free for the instructor.
export async function pictureSize(blob) {
  try {
    // Only its size is wanted: no colour work after the decode.
    const bitmap = await createImageBitmap(blob, { premultiplyAlpha: 'none', colorSpaceConversion: 'none' });
    const size = [bitmap.width, bitmap.height];
    bitmap.close();
    return size;
  } catch {
    return [0, 0]; // not a picture this browser decodes
  }
}
