// Where the built page is, and a static server for it on 127.0.0.1.
import { createServer } from 'node:http';
import { gzipSync } from 'node:zlib';
import { readFile } from 'node:fs/promises';
import { createRequire } from 'node:module';
import { extname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = fileURLToPath(new URL('.', import.meta.url));
export const root = resolve(here, '../..');
export const site = process.env.KRV1_SITE || join(root, 'build-web/site');

const TYPES = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css',
  '.svg': 'image/svg+xml', '.ttf': 'font/ttf', '.woff2': 'font/woff2', '.png': 'image/png',
  '.wasm': 'application/wasm', '.webmanifest': 'application/manifest+json',
};

export async function loadModule() {
  const createKrv1 = createRequire(import.meta.url)(join(site, 'krv1.js'));
  return createKrv1({ wasmBinary: await readFile(join(site, 'krv1.wasm')) });
}

// Types a static host compresses on the way out.
const COMPRESSED = new Set(['.html', '.js', '.css', '.svg', '.wasm', '.webmanifest', '.json']);

// With `compress`, gzip as any real static host sends it, to a browser that
// asks for it.
export function serveSite({ compress = false } = {}) {
  const server = createServer(async (request, response) => {
    const path = new URL(request.url, 'http://localhost').pathname;
    const file = join(site, path === '/' ? 'index.html' : decodeURIComponent(path));
    if (!file.startsWith(site)) { response.writeHead(403).end(); return; }
    try {
      const body = await readFile(file);
      const headers = { 'Content-Type': TYPES[extname(file)] || 'application/octet-stream' };
      const gzip = compress && COMPRESSED.has(extname(file)) &&
                   /\bgzip\b/.test(request.headers['accept-encoding'] || '');
      if (gzip) {
        headers['Content-Encoding'] = 'gzip';
        headers.Vary = 'Accept-Encoding';
      }
      response.writeHead(200, headers);
      response.end(gzip ? gzipSync(body, { level: 9 }) : body);
    } catch {
      response.writeHead(404).end();
    }
  });
  return new Promise((done) => server.listen(0, '127.0.0.1', () => done(server)));
}

export function designOf(inputs, engineer = '') {
  return { format: 'krv1-design', version: 1, decimal: '.', group: ',', engineer, inputs };
}
