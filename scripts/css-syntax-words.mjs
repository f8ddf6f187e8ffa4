// The keywords and functions a CSS property takes at its top level, read from the value syntax that
// mdn-data keeps for it: type references (<type>, <'property'>) are followed to their own syntax, and
// what stands inside a function's parentheses belongs to that function, not to the property.

// The keywords every property takes, offered once for all.
export const cssWideKeywords = ['inherit', 'initial', 'revert', 'revert-layer', 'unset'];

const vendorPrefix = /^-(webkit|moz|ms|o)-/;

// A <counter-style-name> is any identifier; these are the ones every browser knows (the predefined
// counter styles of CSS Counter Styles Level 3), which list-style-type needs most.
export const predefinedCounterStyles = [
  'arabic-indic', 'armenian', 'bengali', 'cambodian', 'circle', 'cjk-decimal', 'cjk-earthly-branch',
  'cjk-heavenly-stem', 'decimal', 'decimal-leading-zero', 'devanagari', 'disc', 'disclosure-closed',
  'disclosure-open', 'ethiopic-numeric', 'georgian', 'gujarati', 'gurmukhi', 'hebrew', 'hiragana',
  'hiragana-iroha', 'japanese-formal', 'japanese-informal', 'kannada', 'katakana', 'katakana-iroha', 'khmer',
  'korean-hangul-formal', 'korean-hanja-formal', 'korean-hanja-informal', 'lao', 'lower-alpha',
  'lower-armenian', 'lower-greek', 'lower-latin', 'lower-roman', 'malayalam', 'mongolian', 'myanmar', 'oriya',
  'persian', 'simp-chinese-formal', 'simp-chinese-informal', 'square', 'tamil', 'telugu', 'thai', 'tibetan',
  'trad-chinese-formal', 'trad-chinese-informal', 'upper-alpha', 'upper-armenian', 'upper-latin',
  'upper-roman',
];

// Numeric basic types, where a math function may stand instead of the number.
const numericTypes = new Set([
  'angle', 'angle-percentage', 'dimension', 'frequency', 'frequency-percentage', 'integer', 'length',
  'length-percentage', 'number', 'percentage', 'resolution', 'time', 'time-percentage',
]);
export const mathFunctions = ['calc()', 'clamp()', 'max()', 'min()'];

// The tokens of a value syntax: keywords, functions (name followed by "("), type and property
// references, parentheses; literal characters and combinators are left out.
export function syntaxTokens(syntax) {
  const tokens = [];
  const re = /'[^']*'|<'([^'>]+)'>|<([^>\s[]+)[^>]*>|(-{0,2}[A-Za-z_][A-Za-z0-9_-]*)(\()?|(\()|(\))/gu;
  for (const m of syntax.matchAll(re)) {
    if (m[1]) tokens.push({ kind: 'property', name: m[1] });
    else if (m[2]) tokens.push({ kind: 'type', name: m[2] });
    else if (m[3] && m[4]) tokens.push({ kind: 'function', name: m[3] });
    else if (m[3]) tokens.push({ kind: 'keyword', name: m[3] });
    else if (m[5]) tokens.push({ kind: 'open' });
    else if (m[6]) tokens.push({ kind: 'close' });
  }
  return tokens;
}

// Properties: mdn-data css/properties.json; syntaxes: css/syntaxes.json.
export function makeExpander(properties, syntaxes) {
  const done = new Map();

  function expand(key, syntax, visiting) {
    if (done.has(key)) return done.get(key);
    const words = { keywords: new Set(), functions: new Set() };
    if (visiting.has(key) || syntax === undefined) return words;
    visiting.add(key);
    let depth = 0;
    for (const token of syntaxTokens(syntax)) {
      if (token.kind === 'close') {
        depth = Math.max(0, depth - 1);
      } else if (token.kind === 'open') {
        ++depth;
      } else if (token.kind === 'function') {
        if (depth === 0 && !vendorPrefix.test(token.name)) words.functions.add(`${token.name}()`);
        ++depth;
      } else if (depth > 0) {
        continue;
      } else if (token.kind === 'keyword') {
        if (!vendorPrefix.test(token.name) && !cssWideKeywords.includes(token.name)) words.keywords.add(token.name);
      } else {
        // Basic types have no syntax of their own: <url> is written as a function, numbers may be
        // math functions, and counter style names are identifiers of which some are predefined.
        if (token.kind === 'type' && token.name === 'url') words.functions.add('url()');
        if (token.kind === 'type' && numericTypes.has(token.name)) for (const f of mathFunctions) words.functions.add(f);
        if (token.kind === 'type' && token.name === 'counter-style-name')
          for (const w of predefinedCounterStyles) words.keywords.add(w);
        const inner =
          token.kind === 'property'
            ? expand(`'${token.name}'`, properties[token.name]?.syntax, visiting)
            : expand(`<${token.name}>`, syntaxes[token.name]?.syntax, visiting);
        for (const w of inner.keywords) words.keywords.add(w);
        for (const w of inner.functions) words.functions.add(w);
      }
    }
    visiting.delete(key);
    // A result reached through a cycle may lack what the cycle's start adds; keep only complete ones.
    if (visiting.size === 0) done.set(key, words);
    return words;
  }

  return (name) => {
    const words = expand(`'${name}'`, properties[name]?.syntax, new Set());
    return { keywords: [...words.keywords].sort(), functions: [...words.functions].sort() };
  };
}

// The properties completion offers: standard, neither vendor-prefixed nor custom.
export function standardProperties(properties) {
  return Object.keys(properties)
    .filter((name) => properties[name].status === 'standard' && /^[a-z]/.test(name))
    .sort();
}
