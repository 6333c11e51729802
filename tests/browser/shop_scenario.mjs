// A visitor's whole visit to the sample shop in headless Chromium: buying,
// the cart and its totals, a reload and a second tab, the coupons, the phone
// layout, a refused and an accepted checkout with the tax of its address, a
// double click on Submit, and an order whose reply is lost on its way back.
//
//   node shop_scenario.mjs SHOP_URL SAMPLE_FOLDER MERCHANT_FOLDER [SCREENSHOT_FOLDER]
//
// SHOP_URL serves the sample shop (quorvex-cli serve) with a local order
// server taking its orders into MERCHANT_FOLDER (the sample's account
// folder, whose .logFile/header.dat holds a line per order); SAMPLE_FOLDER
// is data/Sample, from which the expected totals are computed. Prints
// "ORDER <number> <grand total>" for each accepted order and exits 0, or
// prints what failed and exits 1. With a screenshot folder, pictures of the
// main pages at desktop and phone widths are saved there.

import { execFileSync } from 'node:child_process';
import { existsSync, readFileSync, mkdirSync } from 'node:fs';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';

const [shopUrl, sampleFolder, merchantFolder, shots] = process.argv.slice(2);
const PHONE = { width: 390, height: 740 };
const DESKTOP = { width: 1280, height: 900 };

// ---- What the sample's data says the totals are. ----
const company = JSON.parse(readFileSync(join(sampleFolder, 'acme.json'), 'utf8'));
const prices = {};
const taxed = {};
const searchTexts = {};
const featureCount = company.m_pExtraFields.featureDefinitions.length;
for (const line of readFileSync(join(sampleFolder, 'Acme Outdoor Supply', 'PriceList.txt'), 'latin1')
         .split(/\r?\n/).filter(Boolean)) {
  // Part number, description, price, weight and category lead; the tax flag
  // comes before one column per feature.
  const row = line.match(/^"([^"]*)","([^"]*)","([^"]*)","[^"]*",([^,]*),/);
  if (!row) continue;
  prices[row[1]] = Math.round(parseFloat(row[3]) * 100);
  const fields = line.split(',');
  taxed[row[1]] = fields[fields.length - 1 - featureCount] == '1';
  searchTexts[row[1]] = `${row[2]} ${row[1]} ${row[4]}`.toLowerCase();
}
const cents = (text) => Math.round(parseFloat(text) * 100);
const money = (amount) => '$' + (amount / 100).toFixed(2);
// The sample's taxes: Washington's, and Canada's value-added tax.
const WASHINGTON = company.m_pTax.stateRates[0];
const CANADA = company.m_pTax.vatRates[0];
function expectedTotals(lines, rate) {
  const subtotal = lines.reduce((sum, [part, quantity]) => sum + prices[part] * quantity, 0);
  const taxable = lines.reduce((sum, [part, quantity]) => sum + (taxed[part] ? prices[part] * quantity : 0), 0);
  const tax = Math.round(taxable * parseFloat(rate));
  const ground = company.m_pShipping.shippingTypes[0];
  const handling = cents(company.m_pShipping.handlingCharge);
  // The first range whose limit the subtotal does not pass; above them all
  // ("And Up"), the last charge.
  const range = ground.upperLimits.findIndex((limit) => subtotal / 100 <= parseFloat(limit));
  const shipping = cents(ground.charges[range < 0 ? ground.charges.length - 1 : range]) + handling;
  return { subtotal: money(subtotal), tax: money(tax), shipping: money(shipping),
           total: money(subtotal + tax + shipping) };
}
// The coupons whose schedule (weekly or by months, as the sample's are)
// includes the day `now`.
function couponsOn(now) {
  const within = (value, from, to) => (from <= to ? value >= from && value <= to : value >= from || value <= to);
  return company.m_pCouponData.coupons.filter((c) =>
    c.scheduleFormat == 1 ? within(now.getDay(), c.beginWeekday, c.endWeekday)
                          : within(now.getMonth(), c.beginMonth, c.endMonth)).map((c) => c.couponName);
}

// ---- Checks. ----
let failures = 0;
function check(condition, what) {
  if (!condition) {
    failures++;
    console.log('FAILED: ' + what);
  }
}
function equal(actual, expected, what) {
  check(JSON.stringify(actual) == JSON.stringify(expected),
        what + ': ' + JSON.stringify(actual) + ', expected ' + JSON.stringify(expected));
}

// ---- The visitor. ----
function chromium() {
  return execFileSync('sh', ['-c', 'command -v chromium'], { encoding: 'utf8' }).trim();
}
const browser = await puppeteer.launch({
  executablePath: chromium(),
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
         '--disable-sync', '--no-first-run'],
});
const messages = [];
async function openTab() {
  const tab = await browser.newPage();
  await tab.setViewport(DESKTOP);
  tab.on('pageerror', (error) => messages.push('page error: ' + error.message));
  tab.on('console', (message) => {
    // The refused order below is answered 422, and the reply dropped on
    // purpose fails as a reset connection; the console reports both.
    if (message.type() == 'error' && !/status of 422|net::ERR_CONNECTION_RESET/.test(message.text())) {
      messages.push('console: ' + message.text());
    }
  });
  return tab;
}
// The main frame of the shop in `tab` once it shows `file` (and `selector`).
async function show(tab, file, selector) {
  await tab.goto(shopUrl + '#' + file, { waitUntil: 'load' });
  return mainFrame(tab, file, selector);
}
async function mainFrame(tab, file, selector) {
  await tab.waitForFunction((f) => {
    const main = document.getElementById('main');
    return main && main.contentWindow.location.pathname.endsWith('/' + f) &&
           main.contentDocument.readyState == 'complete';
  }, { timeout: 10000 }, file);
  const frame = tab.frames().find((f) => f.name() == 'main');
  if (selector) await frame.waitForSelector(selector, { timeout: 10000 });
  return frame;
}
// Pictures of `tab` at both widths, scrolled to the main frame's `selector`
// when one is given.
async function screenshot(tab, name, selector) {
  if (!shots) return;
  mkdirSync(shots, { recursive: true });
  for (const [width, viewport] of [['desktop', DESKTOP], ['phone', PHONE]]) {
    await tab.setViewport(viewport);
    await new Promise((resolve) => setTimeout(resolve, 300));
    if (selector) {
      const main = tab.frames().find((f) => f.name() == 'main');
      await main.$eval(selector, (e) => e.scrollIntoView({ block: 'center' }));
    }
    await tab.screenshot({ path: join(shots, `${name}-${width}.png`) });
  }
  await tab.setViewport(DESKTOP);
}
const cartLines = (frame) => frame.$$eval('#cart tr.line', (rows) => rows.map((row) => [
  row.querySelector('small').textContent.replace('Item ', ''),
  parseInt(row.querySelector('.count').textContent, 10)]));
const totals = (frame) => frame.evaluate(() => {
  const text = (id) => (document.getElementById(id) || {}).textContent;
  return { subtotal: text('subtotal'), tax: text('tax'), shipping: text('shipping'), total: text('grandTotal') };
});
// The orders the order server recorded: the lines of the sales log.
function recordedOrders() {
  const log = join(merchantFolder, '.logFile', 'header.dat');
  return existsSync(log) ? readFileSync(log, 'latin1').split('\n').filter((line) => line.trim()).length : 0;
}
async function fillAddress(checkout, address) {
  for (const [name, value] of Object.entries(address)) await checkout.type('#' + name, value);
  await checkout.select('#payment', 'Visa');
}
// The thank-you page's order number, printed with the order's total.
async function thankedFor(checkout, total) {
  await checkout.waitForSelector('#orderNumber', { timeout: 25000 });
  const number = await checkout.$eval('#orderNumber', (e) => e.textContent);
  check(/^\d{6}$/.test(number), 'the thank-you page shows the order number ' + number);
  console.log(`ORDER ${number} ${total.slice(1)}`);
  return number;
}
async function buy(frame, part) {
  await frame.evaluate((p) => {
    const link = [...document.querySelectorAll('#catalogue a')]
        .find((a) => a.getAttribute('href') == `javascript:shop.buy('${p}')`);
    setTimeout(() => link.click(), 0);  // the click may open the cart page
  }, part);
}

try {
  const tab = await openTab();
  const home = await show(tab, 'Home.html');
  await screenshot(tab, 'home');
  equal(tab.url(), shopUrl + '#Home.html', 'the address names the page shown');

  // Buy two products, then the first again.
  let catalogue = await show(tab, 'Product.html', '#catalogue .item');
  await screenshot(tab, 'catalogue');
  // A page of items at a time; Next shows the following ones.
  const firstPage = await catalogue.$$eval('#catalogue .item small', (items) => items.map((e) => e.textContent));
  equal(firstPage.length, 10, 'items on the first page');
  await catalogue.click('#catalogue a[href^="javascript:shop.show("]');
  await catalogue.waitForFunction(
      (first) => document.querySelector('#catalogue .item small').textContent != first, {}, firstPage[0]);
  const secondPage = await catalogue.$$eval('#catalogue .item small', (items) => items.map((e) => e.textContent));
  check(secondPage.length > 0 && !firstPage.includes(secondPage[0]), 'Next shows the next items');
  await catalogue.click('#catalogue a[href^="javascript:shop.show("]');
  await catalogue.waitForFunction(
      (first) => document.querySelector('#catalogue .item small').textContent == first, {}, firstPage[0]);
  // A search's Next shows the next page of what it found.
  const found = Object.keys(searchTexts).filter((part) => searchTexts[part].includes('in'));
  check(found.length > 10, 'the search finds more than a page');
  const search = await show(tab, 'search.html', 'input[name="words"]');
  await search.type('input[name="words"]', 'in');
  await search.click('input[type="submit"]');
  await search.waitForSelector('#catalogue .item');
  await search.click('#catalogue a[href^="javascript:shop.show("]');
  await search.waitForFunction((count) => document.querySelectorAll('#catalogue .item').length == count,
                               { timeout: 10000 }, found.length - 10);
  const foundNext = await search.$$eval('#catalogue .item small', (items) => items.map((e) => e.textContent));
  check(foundNext.every((text) => found.some((part) => text.includes(part))), 'Next shows found items');
  catalogue = await show(tab, 'Product.html', '#catalogue .item');

  // The sample's Buy This opens the cart; Continue Shopping returns.
  let cart;
  for (const part of ['STOVE-GAS', 'POT-1', 'STOVE-GAS', 'MUG']) {
    await buy(catalogue, part);
    cart = await mainFrame(tab, 'view.html', '#cart tr.line');
    await cart.click('button[onclick="shop.cart.continueShopping()"]');
    catalogue = await mainFrame(tab, 'Product.html', '#catalogue .item');
  }
  // A product with features: a cart line per distinct choice.
  for (const colour of ['Sunset orange', 'Forest green', 'Sunset orange']) {
    await catalogue.select('.featureChoice[data-part="STOVE-WOOD"]', colour);
    await buy(catalogue, 'STOVE-WOOD');
    cart = await mainFrame(tab, 'view.html', '#cart tr.line');
    await cart.click('button[onclick="shop.cart.continueShopping()"]');
    catalogue = await mainFrame(tab, 'Product.html', '#catalogue .item');
  }
  equal(await catalogue.$eval('#cartCount', (e) => e.textContent), '7', 'the header counts the items');

  // The cart: plus, minus, delete.
  await catalogue.click('.cartlink');
  cart = await mainFrame(tab, 'view.html', '#cart tr.line');
  equal(await cartLines(cart), [['STOVE-GAS', 2], ['POT-1', 1], ['MUG', 1], ['STOVE-WOOD', 2], ['STOVE-WOOD', 1]],
        'the cart rows');
  equal(await cart.$$eval('#cart .features', (e) => e.map((f) => f.textContent)),
        ['Colour: Sunset orange', 'Colour: Forest green'], 'the chosen features');
  await cart.click('#cart tr.line:nth-child(2) button[aria-label^="One more"]');
  await cart.click('#cart tr.line:nth-child(1) button[aria-label^="One less"]');
  await cart.click('#cart tr.line:nth-child(3) button.remove');
  const lines = [['STOVE-GAS', 1], ['POT-1', 2], ['STOVE-WOOD', 2], ['STOVE-WOOD', 1]];
  equal(await cartLines(cart), lines, 'the cart after plus, minus, delete');

  // Tax for Washington, shipping by Ground.
  await cart.select('#taxRegion', 'WA');
  await cart.select('#shippingType', 'Ground');
  const expected = expectedTotals(lines, WASHINGTON);
  equal(await totals(cart), expected, 'the totals');
  await screenshot(tab, 'cart');

  // A reload keeps the cart, a second tab sees it and shares changes.
  await tab.reload({ waitUntil: 'load' });
  cart = await mainFrame(tab, 'view.html', '#cart tr.line');
  equal(await cartLines(cart), lines, 'the cart after a reload');
  equal(await totals(cart), expected, 'the totals after a reload');
  const second = await openTab();
  const otherCart = await show(second, 'view.html', '#cart tr.line');
  equal(await cartLines(otherCart), lines, 'the cart in a second tab');
  await otherCart.click('#cart tr.line:nth-child(1) button[aria-label^="One more"]');
  await cart.waitForFunction(() => document.querySelector('#cart tr.line .count').textContent == '2');
  await otherCart.click('#cart tr.line:nth-child(1) button[aria-label^="One less"]');
  await cart.waitForFunction(() => document.querySelector('#cart tr.line .count').textContent == '1');
  await second.close();

  // Today's coupons, and those of a Saturday in April, when both of the
  // sample's are valid (the browser's clock set to that day).
  let coupons = await show(tab, 'Coupons.html', '#coupons *');
  equal(await coupons.$$eval('#coupons li a', (links) => links.map((a) => a.textContent)),
        couponsOn(new Date()), "today's coupons");
  const saturday = new Date(2026, 3, 11, 12, 0, 0);
  const springTab = await openTab();
  await springTab.evaluateOnNewDocument((fixed) => {
    const RealDate = Date;
    Date = class extends RealDate {
      constructor(...args) { super(...(args.length ? args : [fixed])); }
      static now() { return fixed; }
    };
  }, saturday.getTime());
  coupons = await show(springTab, 'Coupons.html', '#coupons li');
  const names = await coupons.$$eval('#coupons li a', (links) => links.map((a) => a.textContent));
  equal(names, couponsOn(saturday), 'the coupons of a Saturday in April');
  equal(names.length, 2, 'coupons listed on a Saturday in April');
  for (const href of await coupons.$$eval('#coupons li a', (links) => links.map((a) => a.href))) {
    equal((await fetch(href)).status, 200, 'the coupon page ' + href);
  }
  await springTab.close();

  // No page scrolls sideways at phone widths.
  for (const width of [360, 390]) {
    await tab.setViewport({ width, height: 740 });
    for (const file of ['Home.html', 'Product.html', 'view.html', 'shipto.html', 'Coupons.html']) {
      const frame = await show(tab, file, file == 'Product.html' ? '#catalogue .item' : null);
      const scroll = await frame.evaluate(() => document.documentElement.scrollWidth);
      check(scroll <= width, `${file} is ${scroll} px wide at a ${width} px phone width`);
    }
  }
  await tab.setViewport(DESKTOP);

  // Without JavaScript the catalogue says what it needs.
  const noScript = await openTab();
  await noScript.setJavaScriptEnabled(false);
  await noScript.goto(shopUrl + 'Product.html', { waitUntil: 'load' });
  check((await noScript.$eval('body', (b) => b.innerText)).includes('need JavaScript'),
        'the catalogue without JavaScript asks for it');
  await noScript.close();

  // Checkout: a missing field is named at the field; nothing is sent.
  let checkout = await show(tab, 'shipto.html', '#orderSummary tr.line');
  await screenshot(tab, 'checkout');
  const address = { firstName: 'Ann', lastName: 'Lee', street: '1 Pike St', city: 'Seattle', state: 'WA',
                    zip: '98101', country: 'USA', email: 'ann@example.com', phone: '555 0100' };
  for (const [name, value] of Object.entries(address)) {
    if (name != 'firstName') await checkout.type('#' + name, value);
  }
  await checkout.select('#payment', 'Visa');
  await checkout.click('button[name="send"]');
  equal(await checkout.$eval('#error-firstName', (e) => e.textContent), 'Please enter your first name.',
        'the message at the missing field');
  equal(await checkout.$eval('#firstName', (e) => [e.getAttribute('aria-invalid'), e == document.activeElement]),
        ['true', true], 'the missing field is marked and focused');

  // A price the server does not know is refused, and the cart is kept.
  // The shop's frame, whose script holds the cart (a new one after a reload).
  const shop = () => tab.frames().find((f) => f.name() == 'shop');
  await shop().evaluate(() => { product['STOVE-GAS'].pri = '1.00'; });
  await checkout.type('#firstName', 'Ann');
  await checkout.click('button[name="send"]');
  await checkout.waitForFunction(() => /is now/.test(document.getElementById('orderNotice').textContent));
  check((await checkout.$eval('#orderNotice', (e) => e.textContent)).includes('Your cart is unchanged'),
        'the refusal keeps the cart');
  equal(await shop().evaluate(() => cart.lines.length), lines.length, 'the cart after the refusal');

  // The order goes through with the right price. The cart's choice of tax
  // region holds until the address names one, which then takes over.
  await tab.reload({ waitUntil: 'load' });
  checkout = await mainFrame(tab, 'shipto.html', '#orderSummary tr.line');
  equal(await totals(checkout), expected, 'the totals at checkout');
  await fillAddress(checkout, address);
  equal(await totals(checkout), expected, 'the totals for the address in Washington');
  equal(await checkout.$eval('#taxPlace', (e) => e.textContent), 'Washington', 'the region of the address');
  await checkout.click('button[name="send"]');
  await thankedFor(checkout, expected.total);
  await screenshot(tab, 'thankyou');
  equal(await checkout.$eval('#cartCount', (e) => e.textContent), '0', 'the cart is empty after the order');
  equal(recordedOrders(), 1, 'orders recorded after the first');

  // A changed cart gets a new order key.
  catalogue = await show(tab, 'Product.html', '#catalogue .item');
  await buy(catalogue, 'MUG');
  cart = await mainFrame(tab, 'view.html', '#cart tr.line');
  checkout = await show(tab, 'shipto.html', '#orderSummary tr.line');
  const firstKey = await shop().evaluate(() => cart.orderKey);
  check(/^[A-Za-z0-9_-]{22,64}$/.test(firstKey), 'checkout makes an order key: ' + firstKey);
  cart = await show(tab, 'view.html', '#cart tr.line');
  await cart.click('#cart tr.line:nth-child(1) button[aria-label^="One more"]');
  await cart.click('#cart tr.line:nth-child(1) button[aria-label^="One less"]');
  checkout = await show(tab, 'shipto.html', '#orderSummary tr.line');
  const secondKey = await shop().evaluate(() => cart.orderKey);
  check(secondKey && secondKey != firstKey, 'the changed cart has another key');

  // Submit pressed twice, then the form submitted again (as Enter would)
  // while the order is on its way: one request, one order.
  const orderUrl = await shop().evaluate(() => orderUrl);
  let posted = 0;
  const countPosts = (request) => { if (request.url() == orderUrl && request.method() == 'POST') posted++; };
  tab.on('request', countPosts);
  await fillAddress(checkout, address);
  await checkout.click('button[name="send"]', { count: 2 });
  await checkout.evaluate(() => document.forms['checkout'] && document.forms['checkout'].requestSubmit());
  await thankedFor(checkout, expectedTotals([['MUG', 1]], WASHINGTON).total);
  await new Promise((resolve) => setTimeout(resolve, 1000));
  tab.off('request', countPosts);
  equal(posted, 1, 'orders sent for a double submit');
  equal(recordedOrders(), 2, 'orders recorded after a double submit');

  // The reply of an order is lost on its way back: the order server recorded
  // it, the browser sees the connection fail. The page says the order may
  // have been placed; "Check my order" then shows the order's number, and
  // the server records nothing more. Shipped to Canada, it is taxed there.
  catalogue = await show(tab, 'Product.html', '#catalogue .item');
  await buy(catalogue, 'POT-1');
  checkout = await show(tab, 'shipto.html', '#orderSummary tr.line');
  await fillAddress(checkout, { ...address, city: 'Toronto', state: 'ON', zip: 'M5V 2T6', country: 'Canada' });
  const toCanada = expectedTotals([['POT-1', 1]], CANADA);
  equal(await totals(checkout), toCanada, 'the totals for the address in Canada');
  equal(await checkout.$eval('#taxPlace', (e) => e.textContent), 'Canada', 'the region of the Canadian address');
  const cdp = await tab.createCDPSession();
  const dropped = new Promise((resolve) => cdp.once('Fetch.requestPaused', async ({ requestId }) => {
    const { body, base64Encoded } = await cdp.send('Fetch.getResponseBody', { requestId });
    await cdp.send('Fetch.failRequest', { requestId, errorReason: 'ConnectionReset' });
    await cdp.send('Fetch.disable');
    resolve(JSON.parse(base64Encoded ? Buffer.from(body, 'base64').toString() : body));
  }));
  await cdp.send('Fetch.enable', { patterns: [{ urlPattern: orderUrl, requestStage: 'Response' }] });
  await checkout.click('button[name="send"]');
  const lostReply = await dropped;
  await checkout.waitForSelector('#checkOrder', { visible: true });
  check((await checkout.$eval('#orderNotice', (e) => e.textContent)).includes('may have been placed'),
        'the page says the order may have been placed');
  equal(await shop().evaluate(() => cart.lines.length), 1, 'the cart is kept without a reply');
  equal(recordedOrders(), 3, 'orders recorded when the reply is lost');
  await screenshot(tab, 'unanswered', '#orderNotice');
  await checkout.click('#checkOrder');
  equal(await thankedFor(checkout, toCanada.total), lostReply.order, 'the order number after the check');
  equal(recordedOrders(), 3, 'orders recorded after the check');
} catch (error) {
  failures++;
  console.log('FAILED: ' + error.stack);
} finally {
  await browser.close();
}
for (const message of messages) console.log('FAILED: ' + message);
process.exit(failures + messages.length == 0 ? 0 : 1);
