// The shop's behaviour: the cart and its totals, checkout, and the commands
// the pages call through `shop` (this frame). The catalogue data and the
// display style's code are written by shop.html before this script.

// ---- Money: amounts are kept in whole cents. ----
function cents(text) {
  var value = parseFloat(text);
  return isNaN(value) ? 0 : Math.round(value * 100);
}
function money(amount) {
  return currency + (amount / 100).toFixed(2);
}
function escapeHtml(text) {
  return String(text).replace(/[&<>"']/g, function (c) {
    return { '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;', "'": '&#39;' }[c];
  });
}

// ---- Navigation of the main frame. ----
function mainPage() {
  return parent.frames['main'] || null;
}
function openPage(file) {
  var page = mainPage();
  if (page) page.location.href = filePath + file;
}
function view() {
  openPage('view.html');
}
// Shows the preloaded picture `image` (a variable name) in the picture named
// `name` of the page in the main frame.
function flip(name, image) {
  var page = mainPage();
  if (page && page.document.images[name] && window[image]) {
    page.document.images[name].src = window[image].src;
  }
}
function showIndividualPage(index) {
  var item = productList[index];
  if (item && item.page) openPage(item.page);
}
// The catalogue page the visitor saw last, where Continue Shopping returns.
var lastCataloguePage = '';
// Fills the main page's catalogue with the page of `items` that starts at
// item number `first`; `name` is their category ('' for all items).
function fillCatalogue(items, first, name) {
  var page = mainPage();
  var box = page && page.document.getElementById('catalogue');
  if (!box) return;
  box.innerHTML = catalogueHtml(items, first, name);
  box.scrollIntoView();
  portaCart();
}
// The category links and the display style's Previous and Next links:
// category `name` ('' for all items, 'featured' for the featured ones) from
// item number `first`.
// The pages of a search's results go by the name `searchResults` (as the
// search page names them) instead of a category, and show the items found
// for `searchWords`.
var searchResults = '#search';
var searchWords = '';
// The items found for `words`, which the following pages of results show.
function foundItems(words) {
  searchWords = words || '';
  return searchItems(searchWords);
}
function show(name, first) {
  var items = name == searchResults ? searchItems(searchWords) :
              name == 'featured' ? featuredItems() : name ? itemsInCategory(name) : allItems();
  fillCatalogue(items, parseInt(first, 10) || 0, name);
}
function search(words) {
  searched = 1;
  fillCatalogue(foundItems(words), 0, searchResults);
  return false;
}

// ---- The cart: lines of part number and quantity, the visitor's tax
// region and shipping type, and the key of the order made of them. Kept in
// localStorage when the shop may keep data in the browser (useCookies), so
// that it survives a reload and every tab of the shop shares it; otherwise
// only while this frame lives. ----
var cartKey = 'cart:' + location.pathname.replace(/[^\/]*$/, '');
var cart = {
  lines: [],
  taxRegion: '',
  shippingType: '',
  // Names this order to the order server, which records an order key once:
  // sending the order again (after a reply that never came) cannot place it
  // twice. Empty until checkout, and again once the order changes.
  orderKey: ''
};
function storage() {
  try {
    return useCookies ? window.localStorage : null;
  } catch (e) {
    return null;  // storage switched off in this browser
  }
}
cart.load = function () {
  var store = storage();
  var saved = null;
  try {
    saved = store && JSON.parse(store.getItem(cartKey) || 'null');
  } catch (e) {
    saved = null;  // an unreadable cart starts empty
  }
  cart.lines = [];
  if (saved && saved.lines) {
    for (var i = 0; i < saved.lines.length; i++) {
      var line = saved.lines[i];
      if (product[line.part] && line.quantity > 0) {
        cart.lines.push({ part: line.part, quantity: Math.min(9999, line.quantity | 0),
                          features: line.features || {} });
      }
    }
  }
  cart.taxRegion = saved && saved.taxRegion ? saved.taxRegion : '';
  cart.shippingType = saved && saved.shippingType ? saved.shippingType : '';
  cart.orderKey = saved && /^[A-Za-z0-9_-]{16,64}$/.test(saved.orderKey) ? saved.orderKey : '';
};
cart.save = function () {
  var store = storage();
  if (store) {
    try {
      store.setItem(cartKey, JSON.stringify({ lines: cart.lines, taxRegion: cart.taxRegion,
                                              shippingType: cart.shippingType,
                                              orderKey: cart.orderKey }));
    } catch (e) {
      // A full or refused store keeps the cart in this frame only.
    }
  }
};
cart.changed = function () {
  cart.save();
  cart.refresh();
};
// The cart now makes another order than the one its key names: that key
// must not answer for it.
cart.orderChanged = function () {
  cart.orderKey = '';
  cart.changed();
};
// The key of the cart's order, made (and kept with the cart) when missing:
// 24 characters of base64url from 18 random bytes.
cart.keyForOrder = function () {
  if (!cart.orderKey) {
    var bytes = new Uint8Array(18);
    crypto.getRandomValues(bytes);
    cart.orderKey = btoa(String.fromCharCode.apply(null, bytes)).replace(/\+/g, '-')
                        .replace(/\//g, '_');
    cart.save();
  }
  return cart.orderKey;
};
// Redraws what the main page shows of the cart.
cart.refresh = function () {
  var page = mainPage();
  if (page && page.document) cart.showIn(page.document);
};
// Shows the cart in the page `doc`: the editable cart in its element "cart",
// the summary in "orderSummary", the item count in "cartCount".
cart.showIn = function (doc) {
  portaCart();
  var box = doc.getElementById('cart');
  if (box) box.innerHTML = cart.html();
  var summary = doc.getElementById('orderSummary');
  if (summary) summary.innerHTML = cart.html(true);
  // Opening checkout starts the order: from here on it has its key.
  if (doc.forms['checkout'] && cart.lines.length > 0) cart.keyForOrder();
};
// ---- Features: the choices a product offers (productFeatures). ----
function isCustomerInput(feature) {
  return feature[1] == 'User Input';
}
// The choice of one feature of a product as the catalogue shows it: a list
// of its options, or a text box for a text the visitor types.
function featureChoiceHtml(partNumber, feature) {
  var name = feature[0];
  var data = ' class="featureChoice" data-part="' + escapeHtml(partNumber) + '" data-feature="' +
             escapeHtml(name) + '"';
  var control;
  if (isCustomerInput(feature)) {
    var size = parseInt(feature[2], 10) || 80;
    control = '<input type="text"' + data + ' maxlength="' + size + '" size="' +
              Math.min(size, 30) + '">';
  } else {
    control = '<select' + data + '>';
    for (var i = 1; i < feature.length; i++) {
      control += '<option>' + escapeHtml(feature[i]) + '</option>';
    }
    control += '</select>';
  }
  return '<label class="feature">' + escapeHtml(name) + ' ' + control + '</label> ';
}
// The visitor's choices for `partNumber` on the main page, by feature name,
// or null when a typed text is missing (the visitor is told at its box). A
// list not shown on the page takes its first option.
function chosenFeatures(partNumber) {
  var features = productFeatures[partNumber] || [];
  var page = mainPage();
  var controls = page && page.document ? page.document.querySelectorAll('.featureChoice') : [];
  var chosen = {};
  for (var f = 0; f < features.length; f++) {
    var feature = features[f];
    var control = null;
    for (var c = 0; c < controls.length && !control; c++) {
      var data = controls[c].dataset;
      if (data.part == partNumber && data.feature == feature[0]) control = controls[c];
    }
    var value = control ? control.value.trim() : isCustomerInput(feature) ? '' : feature[1];
    if (!value) {
      cart.announce('Please enter the ' + feature[0] + ' of ' + product[partNumber].desc + '.');
      if (control) control.focus();
      return null;
    }
    chosen[feature[0]] = value;
  }
  return chosen;
}
function sameFeatures(a, b) {
  return JSON.stringify(a || {}) == JSON.stringify(b || {});
}
// Puts one of `partNumber`, with the features the visitor chose, into the
// cart: a line per distinct choice.
function buy(partNumber) {
  if (!product[partNumber]) return;
  var features = chosenFeatures(partNumber);
  if (!features) return;
  var line = cart.find(partNumber, features);
  if (line) {
    line.quantity = Math.min(9999, line.quantity + 1);
  } else {
    cart.lines.push({ part: partNumber, quantity: 1, features: features });
  }
  cart.orderChanged();
  cart.announce(product[partNumber].desc + ' is in your cart.');
  if (buyOpensCart) view();
}
cart.find = function (partNumber, features) {
  for (var i = 0; i < cart.lines.length; i++) {
    var line = cart.lines[i];
    if (line.part == partNumber && sameFeatures(line.features, features)) return line;
  }
  return null;
};
cart.plus = function (index) {
  var line = cart.lines[index];
  if (line && line.quantity < 9999) line.quantity++;
  cart.orderChanged();
};
cart.minus = function (index) {
  var line = cart.lines[index];
  if (line && line.quantity > 1) line.quantity--;
  cart.orderChanged();
};
cart.remove = function (index) {
  cart.lines.splice(index, 1);
  cart.orderChanged();
};
cart.chooseTaxRegion = function (region) {
  cart.taxRegion = region;
  cart.changed();
};
// The shipping type is part of the order sent, so it makes another order.
cart.chooseShippingType = function (label) {
  cart.shippingType = label;
  cart.orderChanged();
};
// Tells the visitor, in the main page's status line, what just happened.
cart.announce = function (text) {
  var page = mainPage();
  var status = page && page.document.getElementById('cartStatus');
  if (status) status.textContent = text;
};
cart.continueShopping = function () {
  if (lastCataloguePage) {
    mainPage().location.href = lastCataloguePage;
  } else {
    openPage(homeFile);
  }
};
// On the checkout page sends the order; elsewhere opens the checkout page.
cart.checkSubmit = function () {
  var page = mainPage();
  var form = page && page.document.forms['checkout'];
  if (form) return sendOrder(form);
  if (cart.lines.length == 0) {
    cart.announce('Your cart is empty: choose an item first.');
    return false;
  }
  openPage('shipto.html');
  return false;
};

// ---- Totals. ----
function isDownload(partNumber) {
  return typeof softwareInfo[partNumber] != 'undefined';
}
cart.subtotal = function () {
  var sum = 0;
  for (var i = 0; i < cart.lines.length; i++) {
    sum += cents(product[cart.lines[i].part].pri) * cart.lines[i].quantity;
  }
  return sum;
};
// The regions the shop charges tax in, each with the names that the order
// server knows it by: a state by its abbreviation (its key) or its name, a
// city as "City, ST", a country's value-added tax by the country.
function taxRegions() {
  var regions = [];
  for (var i = 0; i < tax.length; i++) {
    var t = tax[i];
    var region;
    if (t.kind == 'stateTax') {
      var abbreviation = t.abbreviation.toUpperCase();
      region = { key: abbreviation, label: titleCase(t.region),
                 names: [abbreviation, titleCase(t.region)] };
    } else if (t.region == 'vat') {
      region = { key: t.kind, label: t.kind, names: [t.kind] };
    } else {
      var key = titleCase(t.kind) + ', ' + t.abbreviation.toUpperCase();
      region = { key: key, label: key, names: [key] };
    }
    region.rate = t.rate;
    regions.push(region);
  }
  return regions;
}
function titleCase(text) {
  return text.replace(/\b[a-z]/g, function (c) { return c.toUpperCase(); });
}
function sameName(a, b) {
  return a.trim().toLowerCase() == b.trim().toLowerCase();
}
// The name of `region` that `text` gives, or null.
function nameGiven(region, text) {
  for (var n = 0; n < region.names.length; n++) {
    if (sameName(region.names[n], text)) return region.names[n];
  }
  return null;
}
// The region one of whose names is `name`, or null.
function taxRegionNamed(name) {
  var regions = taxRegions();
  for (var i = 0; i < regions.length; i++) {
    if (nameGiven(regions[i], name) !== null) return regions[i];
  }
  return null;
}
// The tax region of an address as the order server finds it, which refuses
// an order naming another: the first region name that equals the address's
// "city, state" (when it gives both), else its state, else its country; ''
// when none does.
function taxRegionOf(place) {
  var wanted = [place.city && place.state ? place.city + ', ' + place.state : '', place.state,
                place.country];
  var regions = taxRegions();
  for (var w = 0; w < wanted.length; w++) {
    for (var i = 0; wanted[w] && i < regions.length; i++) {
      var name = nameGiven(regions[i], wanted[w]);
      if (name !== null) return name;
    }
  }
  return '';
}
// The tax region the totals use: at checkout, once its address names a
// state or a country, that address's region; until then the region the
// visitor chose on the cart page, as an estimate.
cart.taxRegionInUse = function () {
  var place = checkoutAddress();
  return place ? taxRegionOf(place) : cart.taxRegion;
};
cart.taxRate = function () {
  var region = taxRegionNamed(cart.taxRegionInUse());
  return region ? parseFloat(region.rate) || 0 : 0;
};
cart.tax = function () {
  var taxable = 0;
  for (var i = 0; i < cart.lines.length; i++) {
    var item = product[cart.lines[i].part];
    if (item.taxed) taxable += cents(item.pri) * cart.lines[i].quantity;
  }
  return Math.round(taxable * cart.taxRate());
};
cart.needsShipping = function () {
  for (var i = 0; i < cart.lines.length; i++) {
    if (!isDownload(cart.lines[i].part)) return true;
  }
  return false;
};
// The chosen shipping type's charge table, or null.
function shippingTable(label) {
  for (var i = 0; i < shippingInfo.length; i++) {
    if (shippingInfo[i].label == label) return window[shippingInfo[i].table] || null;
  }
  return null;
}
// The shipped items' subtotal, weight or quantity, as the shop's basis is.
cart.shippingMeasure = function () {
  var value = 0;
  for (var i = 0; i < cart.lines.length; i++) {
    var line = cart.lines[i];
    var item = product[line.part];
    if (isDownload(line.part)) continue;
    if (howToShip == 'weight') {
      value += (parseFloat(item.weight) || 0) * line.quantity;
    } else if (howToShip == 'quantity') {
      value += line.quantity;
    } else {
      value += cents(item.pri) * line.quantity / 100;
    }
  }
  return value;
};
// The charge from the type's table: the first range whose limit the measure
// does not pass, else the table's highest charge; a flat rate always.
cart.shipping = function () {
  var table = shippingTable(cart.shippingType);
  if (!table || !cart.needsShipping()) return 0;
  if (howToShip != 'flatRate') {
    var measure = cart.shippingMeasure();
    for (var i = 0; i < table.length; i++) {
      if (measure <= table[i].limit) return cents(table[i].charge);
    }
  }
  return cents(table.max);
};
cart.total = function () {
  return cart.subtotal() + cart.tax() + cart.shipping();
};

// ---- The cart as HTML: the editable cart page, or the summary shown at
// checkout (`summary`). ----
function options(values, chosen, none) {
  var html = none ? '<option value="">' + none + '</option>' : '';
  for (var i = 0; i < values.length; i++) {
    html += '<option value="' + escapeHtml(values[i].key) + '"' +
            (values[i].key == chosen ? ' selected' : '') + '>' + escapeHtml(values[i].label) +
            '</option>';
  }
  return html;
}
function shippingChoices() {
  var choices = [];
  for (var i = 0; i < shippingInfo.length; i++) {
    var table = window[shippingInfo[i].table];
    if (table) choices.push({ key: shippingInfo[i].label, label: shippingInfo[i].label });
  }
  return choices;
}
// The chosen features of a cart line, one "name: option" each.
function featuresHtml(features) {
  var html = '';
  for (var name in features) {
    html += '<br><small class="features">' + escapeHtml(name) + ': ' +
            escapeHtml(features[name]) + '</small>';
  }
  return html;
}
// What the tax row says of its region: at checkout once the address is
// known (`addressKnown`), the address's region; before, the visitor's choice.
function taxChoiceHtml(regions, addressKnown) {
  if (addressKnown) {
    var region = taxRegionNamed(cart.taxRegionInUse());
    return region ? 'Tax for <span id="taxPlace">' + escapeHtml(region.label) + '</span>' :
                    'No tax for <span id="taxPlace">this address</span>';
  }
  return '<label for="taxRegion">Tax for</label> <select id="taxRegion" ' +
         'onchange="shop.cart.chooseTaxRegion(this.value)">' +
         options(regions, cart.taxRegion, 'Elsewhere (no tax)') + '</select>';
}
cart.html = function (summary) {
  if (cart.lines.length == 0) {
    return '<p class="note">Your cart is empty.</p>';
  }
  var rows = '';
  for (var i = 0; i < cart.lines.length; i++) {
    var line = cart.lines[i];
    var item = product[line.part];
    var quantity = summary ? line.quantity :
        '<button type="button" class="qty" aria-label="One less ' + escapeHtml(item.desc) +
        '" onclick="shop.cart.minus(' + i + ')">&minus;</button> <span class="count">' +
        line.quantity + '</span> <button type="button" class="qty" aria-label="One more ' +
        escapeHtml(item.desc) + '" onclick="shop.cart.plus(' + i + ')">+</button>';
    rows += '<tr class="line"><td data-label="Item"><span class="desc">' + escapeHtml(item.desc) +
            '</span><br><small>Item ' + escapeHtml(item.prodNum) + '</small>' +
            featuresHtml(line.features) + '</td>' +
            '<td data-label="Price" class="num">' + money(cents(item.pri)) + '</td>' +
            '<td data-label="Quantity" class="num">' + quantity + '</td>' +
            '<td data-label="Total" class="num lineTotal">' +
            money(cents(item.pri) * line.quantity) + '</td>' +
            (summary ? '' : '<td><button type="button" class="remove" aria-label="Remove ' +
                                escapeHtml(item.desc) + '" onclick="shop.cart.remove(' + i +
                                ')">Remove</button></td>') + '</tr>';
  }
  var regions = taxRegions();
  var types = shippingChoices();
  var taxRow = regions.length == 0 ? '' :
      '<tr><th scope="row">' + taxChoiceHtml(regions, summary && checkoutAddress()) + '</th>' +
      '<td class="num" id="tax">' + money(cart.tax()) + '</td></tr>';
  var shipRow = types.length == 0 || !cart.needsShipping() ? '' :
      '<tr><th scope="row"><label for="shippingType">Shipping</label> <select id="shippingType" ' +
      'onchange="shop.cart.chooseShippingType(this.value)">' +
      options(types, cart.shippingType, 'Choose...') + '</select></th>' +
      '<td class="num" id="shipping">' + money(cart.shipping()) + '</td></tr>';
  return '<table class="cart"><thead><tr><th>Item</th><th class="num">Price</th>' +
         '<th class="num">Quantity</th><th class="num">Total</th>' + (summary ? '' : '<th></th>') +
         '</tr></thead><tbody>' + rows + '</tbody></table>' +
         '<table class="totals"><tr><th scope="row">Subtotal</th><td class="num" id="subtotal">' +
         money(cart.subtotal()) + '</td></tr>' + taxRow + shipRow +
         '<tr class="grand"><th scope="row">Total</th><td class="num" id="grandTotal">' +
         money(cart.total()) + '</td></tr></table>';
};

// The small cart of the display style's head (PortableCart).
function portaCart() {
  var page = mainPage();
  var form = page && page.document.forms && page.document.forms['MiniCart'];
  var count = 0;
  for (var i = 0; i < cart.lines.length; i++) count += cart.lines[i].quantity;
  var badge = page && page.document.getElementById('cartCount');
  if (badge) badge.textContent = count;
  if (!form) return;
  form.NumItems.value = count;
  form.Total.value = (cart.subtotal() / 100).toFixed(2);
  if (page.document.images['CartImage']) {
    page.document.images['CartImage'].src = count > 0 ? cartFullImage : cartEmptyImage;
  }
}

// ---- Checkout. ----
// The fields a customer must fill in, with what to say when one is missing.
var requiredFields = {
  firstName: 'Please enter your first name.',
  lastName: 'Please enter your last name.',
  street: 'Please enter your street address.',
  city: 'Please enter your city.',
  zip: 'Please enter your zip or postal code.',
  country: 'Please enter your country.',
  email: 'Please enter your e-mail address.',
  payment: 'Please choose how you will pay.'
};
function fieldError(form, name, text) {
  var field = form.elements[name];
  var message = form.ownerDocument.getElementById('error-' + name);
  if (field) field.setAttribute('aria-invalid', text ? 'true' : 'false');
  if (message) message.textContent = text;
  return text ? field : null;
}
// Checks the form; marks each wrong field with its message and returns the
// first wrong field, or null.
function checkForm(form) {
  var first = null;
  var shipElsewhere = form.elements['shipElsewhere'] && form.elements['shipElsewhere'].checked;
  for (var name in requiredFields) {
    var wrong = fieldError(form, name, form.elements[name].value.trim() ? '' : requiredFields[name]);
    first = first || wrong;
    if (shipElsewhere && form.elements['ship_' + name]) {
      wrong = fieldError(form, 'ship_' + name,
                         form.elements['ship_' + name].value.trim() ? '' : requiredFields[name]);
      first = first || wrong;
    }
  }
  var email = form.elements['email'].value.trim();
  if (email && !/^[^\s@]+@[^\s@]+\.[^\s@]+$/.test(email)) {
    first = first || fieldError(form, 'email', 'Please enter an e-mail address like name@example.com.');
  }
  if (cart.needsShipping() && shippingInfo.length > 0 && !shippingTable(cart.shippingType)) {
    first = first || fieldError(form, 'shippingType', 'Please choose how we shall ship your order.');
  }
  return first;
}
function address(form, prefix) {
  var value = function (name) {
    var field = form.elements[prefix + name];
    return field ? field.value.trim() : '';
  };
  return { firstName: value('firstName'), lastName: value('lastName'), street: value('street'),
           street2: value('street2'), city: value('city'), state: value('state'),
           zip: value('zip'), country: value('country') };
}
// The address the order goes to: the shipping address when the visitor
// gives one, else the billing address (as the order server takes it).
function shipAddress(form) {
  return address(form, form.elements['shipElsewhere'].checked ? 'ship_' : '');
}
function checkoutForm() {
  var page = mainPage();
  return (page && page.document && page.document.forms['checkout']) || null;
}
// The address of the checkout page's order once it names a state or a
// country (its tax region is known then), else null.
function checkoutAddress() {
  var form = checkoutForm();
  var place = form ? shipAddress(form) : null;
  return place && (place.state || place.country) ? place : null;
}
function orderOf(form) {
  var order = {
    vendor: vendor.trim(),
    items: [],
    billing: address(form, ''),
    email: form.elements['email'].value.trim(),
    phone: form.elements['phone'].value.trim(),
    comments: form.elements['comments'].value,
    extraFields: {},
    payment: form.elements['payment'].options[form.elements['payment'].selectedIndex].text,
    taxRegion: taxRegionOf(shipAddress(form)),
    orderKey: cart.keyForOrder()
  };
  if (form.elements['shipElsewhere'].checked) order.shipping = address(form, 'ship_');
  if (cart.needsShipping() && shippingInfo.length > 0) order.shippingType = cart.shippingType;
  for (var i = 0; i < cart.lines.length; i++) {
    var line = cart.lines[i];
    order.items.push({ part: line.part, quantity: line.quantity, price: product[line.part].pri,
                       options: line.features || {} });
  }
  var extras = form.ownerDocument.getElementById('extraFields');
  var inputs = extras ? extras.getElementsByTagName('input') : [];
  for (var j = 0; j < inputs.length; j++) {
    if (inputs[j].value.trim()) order.extraFields[inputs[j].name] = inputs[j].value.trim();
  }
  return order;
}
// The order last sent whose reply never came, as it was sent, which "Check
// my order" sends again; null when there is none.
var unansweredOrder = null;
// True while an order is on its way: a second click or Enter sends nothing.
var orderSending = false;
// Sends the checkout form's order to the order server. The cart is emptied
// only once the server took the order; a refusal is shown above the form.
function sendOrder(form) {
  if (orderSending) return false;
  var page = form.ownerDocument;
  var notice = page.getElementById('orderNotice');
  var wrong = checkForm(form);
  if (cart.lines.length == 0) wrong = wrong || form.elements['firstName'];
  if (wrong) {
    notice.textContent = cart.lines.length == 0 ? 'Your cart is empty.' :
                                                  'Please correct the marked fields.';
    wrong.focus();
    return false;
  }
  postOrder(form, JSON.stringify(orderOf(form)), 'Sending your order...');
  return false;
}
// Sends the order whose reply never came again, with the same key: the
// server answers with that order when it has it, or takes it now.
cart.checkOrder = function () {
  var form = checkoutForm();
  if (form && unansweredOrder && !orderSending) {
    postOrder(form, unansweredOrder, 'Checking your order...');
  }
};
// Posts the order `body` and shows the outcome: the thank-you page, a
// refusal, or, when no answer came (no connection, no reply within 20
// seconds, a gateway's error page), that the order may have been placed.
function postOrder(form, body, sendingText) {
  var page = form.ownerDocument;
  var notice = page.getElementById('orderNotice');
  var send = form.elements['send'];
  var check = page.getElementById('checkOrder');
  var buttons = [send, check];
  orderSending = true;
  setDisabled(true);
  notice.className = '';
  notice.textContent = sendingText;
  var request = new XMLHttpRequest();
  request.open('POST', orderUrl);
  request.timeout = 20000;
  // A plain-text body needs no preflight; the server reads it as JSON.
  request.setRequestHeader('Content-Type', 'text/plain;charset=UTF-8');
  request.setRequestHeader('Accept', 'application/json');
  request.onload = function () {
    var reply = null;
    try {
      reply = JSON.parse(request.responseText);
    } catch (e) {
      reply = null;
    }
    if (reply && reply.accepted) {
      finished(null);
      var total = reply.total ? currency + reply.total : money(cart.total());
      cart.lines = [];
      cart.orderKey = '';
      cart.changed();
      thankYou(page, reply.order, total, form.elements['email'].value.trim());
    } else if (reply || request.status < 500) {
      finished(null);
      notice.textContent = (reply && reply.error ? reply.error :
          'The order server could not take your order (' + request.status + ').') +
          ' Your cart is unchanged.';
    } else {
      unanswered();
    }
  };
  request.onerror = unanswered;
  request.ontimeout = unanswered;
  request.send(body);
  function setDisabled(disabled) {
    for (var i = 0; i < buttons.length; i++) {
      if (buttons[i]) buttons[i].disabled = disabled;
    }
  }
  // Ends the sending; with an order `pending` an answer for, "Check my
  // order" takes the place of Submit.
  function finished(pending) {
    orderSending = false;
    unansweredOrder = pending;
    setDisabled(false);
    if (send) send.hidden = !!pending;
    if (check) check.hidden = !pending;
  }
  function unanswered() {
    finished(body);
    notice.className = 'notice';
    if (check) check.focus();
    notice.textContent = 'Your order may have been placed, but no answer came back. Your cart ' +
        'is kept. Press "Check my order" to find out: it will not place your order twice.';
  }
}
function thankYou(page, orderNumber, total, email) {
  var box = page.getElementById('checkoutArea');
  box.innerHTML = '<h2>Thank you for your order</h2>' +
      '<p>Your order number is <strong id="orderNumber">' + escapeHtml(orderNumber) +
      '</strong>. Total: ' + escapeHtml(total) + '.</p><p>We have sent a confirmation to ' +
      escapeHtml(email) + '. Please keep your order number for any question about your order.</p>' +
      '<p><a href="' + escapeHtml(filePath + homeFile) + '">Back to the shop</a></p>';
  page.title = 'Thank you - ' + page.title;
  box.focus();
}

// ---- Start: the cart from the store, and the cart of other tabs. ----
cart.load();
cart.refresh();
window.addEventListener('storage', function (event) {
  if (event.key != cartKey) return;
  cart.load();
  cart.refresh();
});

// ---- Coupons: those whose schedule includes today. ----
function inRange(value, from, to) {
  // A range whose end comes before its start runs over the turn of the week,
  // month or year (Saturday to Sunday, November to February).
  return from <= to ? value >= from && value <= to : value >= from || value <= to;
}
function validToday(coupon, now) {
  var from = parseInt(coupon.from, 10);
  var to = parseInt(coupon.to, 10);
  switch (coupon.kind) {
    case 'Date': return inRange(now.getDate(), from, to);
    case 'Day': return inRange(now.getDay(), from, to);
    case 'Month': return inRange(now.getMonth(), from, to);
    case 'Year': return now.getFullYear() - 1900 >= from && now.getFullYear() - 1900 <= to;
    case 'Time': return now.getTime() >= from && now.getTime() <= to;
  }
  return false;
}
function couponsHtml() {
  var now = new Date();
  var html = '';
  for (var i = 0; i < couponList.length; i++) {
    var coupon = couponList[i];
    if (!validToday(coupon, now)) continue;
    html += '<li class="coupon"><a href="' + escapeHtml(filePath + coupon.page) + '">' +
            escapeHtml(coupon.name) + '</a>: ' + escapeHtml(coupon.header) + '</li>';
  }
  return html ? '<ul class="coupons">' + html + '</ul>' :
                '<p class="note">No coupons today: please come back soon.</p>';
}
