// Visits every page of an exported site reachable from its entry page over
// file:// in headless Chromium and fails on a missing page, a failed request
// or an image that did not load (naturalWidth 0).
//
// usage: node check-site.mjs SITE_FOLDER
import { chromium } from 'playwright-core';
import { mkdtempSync, rmSync, existsSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { pathToFileURL, fileURLToPath } from 'node:url';

const site = resolve(process.argv[2] ?? '');
const entry = join(site, 'index.htm');
if (!existsSync(entry)) {
  console.error(`no entry page: ${entry}`);
  process.exit(1);
}

// A fresh profile folder every run (playwright passes it as --user-data-dir).
const profile = mkdtempSync(join(tmpdir(), 'pictavo-chromium-'));
const context = await chromium.launchPersistentContext(profile, {
  executablePath: '/usr/bin/chromium',
  headless: true,
  args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
         '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});

const problems = [];
const siteUrl = pathToFileURL(site).href;
const queue = [pathToFileURL(entry).href];
const seen = new Set(queue);
let pages = 0;
let images = 0;

try {
  const page = await context.newPage();
  page.on('requestfailed', (request) => {
    if (request.url().startsWith('file:'))
      problems.push(`request failed: ${request.url()} (${request.failure()?.errorText})`);
  });
  while (queue.length > 0) {
    const url = queue.shift();
    if (!existsSync(fileURLToPath(url))) {
      problems.push(`missing page: ${url}`);
      continue;
    }
    await page.goto(url, { waitUntil: 'load' });
    pages += 1;
    const found = await page.evaluate(() => ({
      links: [...document.querySelectorAll('a[href]')].map((a) => a.href),
      images: [...document.images].map((img) => ({ src: img.src, width: img.naturalWidth,
                                                   complete: img.complete })),
    }));
    for (const img of found.images) {
      images += 1;
      if (!img.complete || img.width === 0) problems.push(`image not shown: ${img.src} on ${url}`);
    }
    for (const link of found.links) {
      const target = link.split('#')[0];
      if (!target.startsWith(siteUrl) || !/\.html?$/i.test(target) || seen.has(target)) continue;
      seen.add(target);
      queue.push(target);
    }
  }
} finally {
  await context.close();
  rmSync(profile, { recursive: true, force: true });
}

console.log(`checked ${pages} pages and ${images} images`);
if (problems.length > 0) {
  for (const p of problems) console.error(p);
  process.exit(1);
}
