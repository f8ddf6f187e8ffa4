// The data sets completion's tables are made from, at pinned versions, installed with npm into a
// folder of their own; shared by the table generator and the coverage measure.
import { execFileSync } from 'node:child_process';
import { existsSync, mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';

export const packages = {
  'mdn-data': '2.37.2',
  'html-tag-names': '2.1.0',
  'html-element-attributes': '3.5.0',
  'html-event-attributes': '2.2.0',
  'html-void-elements': '3.0.0',
  'aria-query': '5.3.2',
};

// Folder: where the packages are (or go); made under the temporary folder, and removed again, when
// not given.
export async function loadDataSets(folder) {
  if (folder) return readDataSets(folder);
  const made = mkdtempSync(join(tmpdir(), 'quillan-completion-'));
  try {
    return await readDataSets(made);
  } finally {
    rmSync(made, { recursive: true, force: true });
  }
}

async function readDataSets(folder) {
  const wanted = Object.entries(packages).map(([name, version]) => `${name}@${version}`);
  const installed = Object.entries(packages).every(([name, version]) => {
    const file = join(folder, 'node_modules', name, 'package.json');
    return existsSync(file) && JSON.parse(readFileSync(file, 'utf8')).version === version;
  });
  if (!installed)
    execFileSync('npm', ['install', '--prefix', folder, '--no-save', '--ignore-scripts', '--no-audit', '--no-fund', ...wanted], {
      stdio: ['ignore', 'ignore', 'inherit'],
    });
  const modules = join(folder, 'node_modules');
  const json = (path) => JSON.parse(readFileSync(join(modules, path), 'utf8'));
  const esm = (name) => import(pathToFileURL(join(modules, name, 'index.js')).href);
  const aria = (await import(pathToFileURL(join(modules, 'aria-query', 'lib', 'index.js')).href)).default;
  return {
    cssProperties: json('mdn-data/css/properties.json'),
    cssSyntaxes: json('mdn-data/css/syntaxes.json'),
    htmlTagNames: (await esm('html-tag-names')).htmlTagNames,
    htmlElementAttributes: (await esm('html-element-attributes')).htmlElementAttributes,
    htmlEventAttributes: (await esm('html-event-attributes')).htmlEventAttributes,
    htmlVoidElements: (await esm('html-void-elements')).htmlVoidElements,
    ariaAttributes: aria.aria,
    ariaRoles: aria.roles,
  };
}

export const versionsLine = Object.entries(packages)
  .map(([name, version]) => `${name} ${version}`)
  .join(', ');
