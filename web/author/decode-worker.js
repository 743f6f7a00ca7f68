// A worker of the author page's (files.js): the size of each picture whose
// bytes it is sent.
import { pictureSize } from './decoder.js';

onmessage = async ({ data: { bytes } }) => postMessage({ size: await pictureSize(new Blob([bytes])) });
