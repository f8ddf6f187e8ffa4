#!/usr/bin/env node
// Makes completion's word tables, authoring/CompletionTablesData.cpp and authoring/CssSyntaxTablesData.cpp,
// from the data sets web tools keep (see completion-data-sets.mjs for the packages and their versions):
//   node scripts/gen-completion-tables.mjs [folder for the npm packages]
// Needs Node and npm (the packages are installed into a temporary folder) and clang-format.
import { execFileSync } from 'node:child_process';
import { writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

import { loadDataSets, versionsLine } from './completion-data-sets.mjs';
import { cssWideKeywords, makeExpander, standardProperties } from './css-syntax-words.mjs';

const top = join(dirname(fileURLToPath(import.meta.url)), '..');

// Every word completion may offer in HTML, by where it goes.
export function htmlWords(data) {
  const elements = [...new Set(data.htmlTagNames)].sort().map((name) => ({
    name,
    isVoid: data.htmlVoidElements.includes(name),
    attributes: [...new Set(data.htmlElementAttributes[name] ?? [])].sort(),
  }));
  const ariaAttributes = [...data.ariaAttributes.keys()].sort().map((name) => {
    const { type, values } = data.ariaAttributes.get(name);
    const words =
      type === 'boolean' ? ['false', 'true'] : type === 'tristate' ? ['false', 'mixed', 'true'] : (values ?? []);
    return { name, values: [...new Set(words.map(String))].sort() };
  });
  const microdata = ['itemid', 'itemprop', 'itemref', 'itemscope', 'itemtype'];
  const globalAttributes = [
    ...new Set([
      ...data.htmlElementAttributes['*'],
      ...microdata,
      ...data.htmlEventAttributes,
      ...ariaAttributes.map((a) => a.name),
      'role',
      'data-',
    ]),
  ].sort();
  const roles = [...data.ariaRoles.entries()]
    .filter(([, role]) => !role.abstract)
    .map(([name]) => name)
    .sort();
  return { elements, globalAttributes, ariaAttributes, roles };
}

export function cssWords(data) {
  const expand = makeExpander(data.cssProperties, data.cssSyntaxes);
  return standardProperties(data.cssProperties).map((name) => ({ name, ...expand(name) }));
}

// C++ source: lists of words as arrays of string_view, each distinct list once.
class Source {
  constructor() {
    this.lists = new Map();
    this.text = '';
  }
  list(words) {
    if (words.length === 0) return '{}';
    const key = words.join(' ');
    if (!this.lists.has(key)) {
      const name = `kList${this.lists.size}`;
      this.lists.set(key, name);
      this.text += array(`constexpr std::string_view ${name}[]`, words.map(quote));
    }
    return this.lists.get(key);
  }
}

const quote = (text) => JSON.stringify(text);

// "Declaration = {items};" wrapped at 110 columns, as the rest of the code is (the tables are kept out
// of clang-format, which would give every item a line of its own).
function array(declaration, items) {
  const lines = [];
  let line = `${declaration} = {`;
  for (const [i, item] of items.entries()) {
    const piece = item + (i + 1 < items.length ? ',' : '};');
    if (line.length + 1 + piece.length > 110 && !line.endsWith('{')) {
      lines.push(line);
      line = `    ${piece}`;
    } else {
      line += (line.endsWith('{') ? '' : ' ') + piece;
    }
  }
  if (items.length === 0) line += '};';
  lines.push(line);
  return lines.join('\n') + '\n';
}

// A long string as adjacent literals of at most about 100 characters, one a line.
function literal(text, indent) {
  const pieces = [];
  let piece = '';
  for (const word of text.split(' ')) {
    if (piece.length > 0 && piece.length + 1 + word.length > 100) {
      pieces.push(piece);
      piece = ' ';
    } else if (piece.length > 0) {
      piece += ' ';
    }
    piece += word;
  }
  pieces.push(piece);
  return pieces.map((p) => indent + quote(p)).join('\n');
}

function wrapComment(text) {
  const lines = [];
  let line = '//';
  for (const word of text.split(' ')) {
    if (line.length + 1 + word.length > 110) {
      lines.push(line);
      line = '//';
    }
    line += ` ${word}`;
  }
  lines.push(line);
  return lines.join('\n') + '\n';
}

function header(what) {
  return wrapComment(
    `${what} Made by scripts/gen-completion-tables.mjs from the npm packages ${versionsLine}. ` +
      'Do not edit: change the script and run `node scripts/gen-completion-tables.mjs`.',
  );
}

function tablesSource(css, html) {
  const source = new Source();
  const properties = css.map((p) => `  {${quote(p.name)}, ${source.list(p.keywords)}, ${source.list(p.functions)}},\n`);
  const elements = html.elements.map((e) => `  {${quote(e.name)}, ${e.isVoid}, ${source.list(e.attributes)}},\n`);
  const aria = html.ariaAttributes.map((a) => `  {${quote(a.name)}, ${source.list(a.values)}},\n`);
  return `${header('The words completion offers in HTML and CSS.')}
#include "CompletionTables.h"

namespace {

// clang-format off
${source.text}
${array('constexpr std::string_view kCssWideKeywords[]', cssWideKeywords.map(quote))}
constexpr TCssPropertyWords kCssProperties[] = {
${properties.join('')}};

constexpr THtmlElementWords kHtmlElements[] = {
${elements.join('')}};

${array('constexpr std::string_view kHtmlGlobalAttributes[]', html.globalAttributes.map(quote))}
constexpr TAriaAttributeWords kAriaAttributes[] = {
${aria.join('')}};

${array('constexpr std::string_view kAriaRoles[]', html.roles.map(quote))}// clang-format on

}  // namespace

std::span<const TCssPropertyWords> CssPropertyTable() { return kCssProperties; }
std::span<const std::string_view> CssWideKeywords() { return kCssWideKeywords; }
std::span<const THtmlElementWords> HtmlElementTable() { return kHtmlElements; }
std::span<const std::string_view> HtmlGlobalAttributes() { return kHtmlGlobalAttributes; }
std::span<const TAriaAttributeWords> AriaAttributeTable() { return kAriaAttributes; }
std::span<const std::string_view> AriaRoles() { return kAriaRoles; }
`;
}

// The syntaxes themselves, for checks of what completion offers; every property of the data, as
// the standard ones refer to others.
function syntaxSource(data) {
  const rows = (table) =>
    Object.keys(table)
      .filter((name) => table[name].syntax !== undefined)
      .sort()
      .map((name) => `  {${quote(name)},\n${literal(table[name].syntax, '   ')}},\n`)
      .join('');
  return `${header('The value syntax of every CSS property and type mdn-data describes.')}
#include "CssSyntaxTables.h"

namespace {

// clang-format off
constexpr TCssSyntax kProperties[] = {
${rows(data.cssProperties)}};

constexpr TCssSyntax kTypes[] = {
${rows(data.cssSyntaxes)}};
// clang-format on

}  // namespace

std::span<const TCssSyntax> CssPropertySyntaxes() { return kProperties; }
std::span<const TCssSyntax> CssTypeSyntaxes() { return kTypes; }
`;
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const data = await loadDataSets(process.argv[2]);
  const files = {
    'authoring/CompletionTablesData.cpp': tablesSource(cssWords(data), htmlWords(data)),
    'authoring/CssSyntaxTablesData.cpp': syntaxSource(data),
  };
  for (const [path, text] of Object.entries(files)) {
    const file = join(top, path);
    writeFileSync(file, text);
    execFileSync('clang-format', ['-i', file], { cwd: top });
    console.log(`wrote ${path}`);
  }
}
