// Checks every HTML page of a generated site against the HTML standard.
//
//   node validate_pages.mjs SITE_FOLDER
//
// Prints each finding as "file:line:column rule message" and exits 1 when
// there is one, 0 when every page is valid.
//
// Two kinds of finding are accepted, for the reasons given below: the pages
// are declared windows-1252, and the link, button and font markup the
// generator writes uses presentational HTML that browsers still honour.

import { readdirSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { HtmlValidate } from 'html-validate';

const [siteFolder] = process.argv.slice(2);

const validator = new HtmlValidate({ extends: ['html-validate:standard'] });

const accepted = [
  // The shop keeps its text in windows-1252 from the company document to the
  // order server, and says so in every page's head.
  (m) => m.ruleId === 'attribute-allowed-values' && /"charset" has invalid value "windows-1252"/i.test(m.message),
  // The generated links and buttons: FONT around texts and link lists, IMG
  // NAME (the rollover script finds a button by it), BORDER and SCRIPT
  // LANGUAGE.
  (m) => m.ruleId === 'deprecated' && /^<font> is deprecated/i.test(m.message),
  (m) => m.ruleId === 'element-permitted-content' && /^<font> element/i.test(m.message),
  (m) => m.ruleId === 'no-deprecated-attr' &&
         /^Attribute "(name|border|language)" is deprecated on <(img|script)>/i.test(m.message),
];

// Tag names are case-insensitive in HTML, but the validator matches content
// models by the name as written, so the generator's upper-case tags are read
// in lower case.
const lowerCaseTags = (html) => html.replace(/<(\/?)([A-Za-z][A-Za-z0-9]*)/g,
                                             (all, slash, name) => `<${slash}${name.toLowerCase()}`);

let findings = 0;
const decoder = new TextDecoder('windows-1252');
for (const name of readdirSync(siteFolder).filter((file) => /\.html?$/i.test(file)).sort()) {
  const html = lowerCaseTags(decoder.decode(readFileSync(join(siteFolder, name))));
  const report = await validator.validateString(html, name);
  for (const result of report.results) {
    for (const message of result.messages) {
      if (accepted.some((accept) => accept(message))) continue;
      ++findings;
      console.log(`${name}:${message.line}:${message.column} ${message.ruleId} ${message.message}`);
    }
  }
}
process.exit(findings === 0 ? 0 : 1);
