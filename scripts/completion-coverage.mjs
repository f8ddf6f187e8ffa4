#!/usr/bin/env node
// How much of HTML and CSS completion offers, measured against the data sets its tables come from:
//   QUILLAN_COMPLETION_OFFER=offer.txt build/tests/app_tests --gtest_filter='CompletionOffer.*'
//   node scripts/completion-coverage.mjs offer.txt [folder for the npm packages]
// The offer file has one line for each word offered: "property NAME", "value PROPERTY WORD",
// "attribute ELEMENT NAME".
import { readFileSync } from 'node:fs';

import { loadDataSets, versionsLine } from './completion-data-sets.mjs';
import { cssWideKeywords, makeExpander, standardProperties } from './css-syntax-words.mjs';

const [offerFile, folder] = process.argv.slice(2);
if (!offerFile) {
  console.error('usage: completion-coverage.mjs OFFER-FILE [PACKAGE-FOLDER]');
  process.exit(2);
}
const data = await loadDataSets(folder);

const offered = { properties: new Set(), values: new Map(), attributes: new Map() };
const add = (map, key, word) => map.set(key, (map.get(key) ?? new Set()).add(word));
for (const line of readFileSync(offerFile, 'utf8').split('\n')) {
  const [kind, a, b] = line.trim().split(/\s+/);
  if (kind === 'property') offered.properties.add(a.toLowerCase());
  else if (kind === 'value') add(offered.values, a.toLowerCase(), b.toLowerCase());
  else if (kind === 'attribute') add(offered.attributes, a.toLowerCase(), b.toLowerCase());
}

const share = (part, whole) => `${((100 * part) / whole).toFixed(1)} % (${part} of ${whole})`;

// (a) Standard properties offered.
const properties = standardProperties(data.cssProperties);
const propertiesOffered = properties.filter((p) => offered.properties.has(p));

// (c) Keyword values of the offered properties, CSS-wide keywords left out; and offered words that
// are neither a keyword nor a function of the property's syntax.
const expand = makeExpander(data.cssProperties, data.cssSyntaxes);
let keywords = 0;
let keywordsOffered = 0;
// The named and system colours, about 190 of them, weigh heavily in every property that takes a colour.
const colorNames = new Set(expand('color').keywords.filter((k) => k !== 'auto'));
let plainKeywords = 0;
let plainOffered = 0;
const invalidValues = [];
for (const property of propertiesOffered) {
  const words = expand(property);
  const valid = new Set([...words.keywords, ...words.functions, ...cssWideKeywords].map((w) => w.toLowerCase()));
  const values = offered.values.get(property) ?? new Set();
  keywords += words.keywords.length;
  keywordsOffered += words.keywords.filter((k) => values.has(k.toLowerCase())).length;
  for (const value of values) if (!valid.has(value) && !/^[0-9]/.test(value)) invalidValues.push(`${property}: ${value}`);
  const plain = words.keywords.filter((k) => !colorNames.has(k));
  plainKeywords += plain.length;
  plainOffered += plain.filter((k) => values.has(k.toLowerCase())).length;
}

// (b) (element, attribute) pairs: each element's own attributes and the global ones; and offered
// attributes the element does not take.
const globals = data.htmlElementAttributes['*'];
let pairs = 0;
let pairsOffered = 0;
const invalidAttributes = new Map();
const ariaNames = new Set(data.ariaAttributes.keys());
for (const element of data.htmlTagNames) {
  const own = new Set([...globals, ...(data.htmlElementAttributes[element] ?? [])]);
  const names = offered.attributes.get(element) ?? new Set();
  pairs += own.size;
  pairsOffered += [...own].filter((a) => names.has(a)).length;
  for (const name of names) {
    const valid =
      own.has(name) || ariaNames.has(name) || name === 'role' || name === 'data-' || data.htmlEventAttributes.includes(name);
    if (!valid) add(invalidAttributes, name, element);
  }
}

console.log(`Measured with ${versionsLine}.`);
console.log(`(a) standard CSS properties offered: ${share(propertiesOffered.length, properties.length)}`);
console.log(`(b) (element, attribute) pairs offered: ${share(pairsOffered, pairs)}`);
console.log(`(c) keyword values of the offered properties: ${share(keywordsOffered, keywords)}`);
console.log(`    without the colour names: ${share(plainOffered, plainKeywords)}`);
console.log(`values offered that the property's syntax does not allow (numbers left aside): ${invalidValues.length}`);
if (invalidValues.length) console.log(`  ${invalidValues.slice(0, 40).join(', ')}${invalidValues.length > 40 ? ', ...' : ''}`);
const invalidPairs = [...invalidAttributes.values()].reduce((n, s) => n + s.size, 0);
console.log(`attributes offered where the element does not take them: ${invalidPairs} pairs`);
if (invalidPairs)
  console.log(
    `  ${[...invalidAttributes.entries()]
      .slice(0, 12)
      .map(([name, elements]) => `${name} (${elements.has('img') ? 'e.g. in img, ' : ''}${elements.size} elements)`)
      .join(', ')}`,
  );
