// What an author page downloads, kept for the test instead of saved: the
// page's links with a download name record it, and the test writes the file
// to a folder of its own.
import { writeFileSync } from 'node:fs';
import { join } from 'node:path';

// The page at `path`, its downloads kept.
export async function keepingDownloads(open, path) {
  const page = await open(path);
  await page.evaluate(() => {
    window.downloads = [];
    HTMLAnchorElement.prototype.click = function keep() {
      if (this.download) window.downloads.push([this.download, this.href]);
    };
  });
  return page;
}

// What was downloaded on the click of `button`, written to `folder`: its path.
export async function download(page, button, folder) {
  const count = await page.evaluate(() => window.downloads.length);
  await page.mouse.click(button);
  const [name, base64] = await page.waitFor(async (n) => {
    if (window.downloads.length <= n) return null;
    const [name, href] = window.downloads[n];
    const bytes = new Uint8Array(await (await fetch(href)).arrayBuffer());
    let text = '';
    for (let i = 0; i < bytes.length; i += 0x8000) text += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
    return [name, btoa(text)];
  }, count);
  writeFileSync(join(folder, name), Buffer.from(base64, 'base64'));
  return join(folder, name);
}
