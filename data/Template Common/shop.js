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
// region and shipping type. Kept in localStorage when the shop may keep
// data in the browser (useCookies), so that it survives a reload and every
// tab of the shop shares it; otherwise only while this frame lives. ----
var cartKey = 'cart:' + location.pathname.replace(/[^\/]*$/, '');
var cart = {
  lines: [],
  taxRegion: '',
  shippingType: ''
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
};
cart.changed = function () {
  var store = storage();
  if (store) {
    try {
      store.setItem(cartKey, JSON.stringify(
          { lines: cart.lines, taxRegion: cart.taxRegion, shippingType: cart.shippingType }));
    } catch (e) {
      // A full or refused store keeps the cart in this frame only.
    }
  }
  cart.refresh();
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
  cart.changed();
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
  cart.changed();
};
cart.minus = function (index) {
  var line = cart.lines[index];
  if (line && line.quantity > 1) line.quantity--;
  cart.changed();
};
cart.remove = function (index) {
  cart.lines.splice(index, 1);
  cart.changed();
};
cart.chooseTaxRegion = function (region) {
  cart.taxRegion = region;
  cart.changed();
};
cart.chooseShippingType = function (label) {
  cart.shippingType = label;
  cart.changed();
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
// The regions the shop charges tax in: a state by its abbreviation, a city
// as "city, state abbreviation", a country's value-added tax by the country.
function taxRegions() {
  var regions = [];
  for (var i = 0; i < tax.length; i++) {
    var t = tax[i];
    if (t.kind == 'stateTax') {
      regions.push({ key: t.abbreviation.toUpperCase(), label: titleCase(t.region), rate: t.rate });
    } else if (t.region == 'vat') {
      regions.push({ key: t.kind, label: t.kind, rate: t.rate });
    } else {
      var key = titleCase(t.kind) + ', ' + t.abbreviation.toUpperCase();
      regions.push({ key: key, label: key, rate: t.rate });
    }
  }
  return regions;
}
function titleCase(text) {
  return text.replace(/\b[a-z]/g, function (c) { return c.toUpperCase(); });
}
cart.taxRate = function () {
  var regions = taxRegions();
  for (var i = 0; i < regions.length; i++) {
    if (regions[i].key == cart.taxRegion) return parseFloat(regions[i].rate) || 0;
  }
  return 0;
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
      '<tr><th scope="row"><label for="taxRegion">Tax for</label> <select id="taxRegion" ' +
      'onchange="shop.cart.chooseTaxRegion(this.value)">' +
      options(regions, cart.taxRegion, 'Elsewhere (no tax)') + '</select></th>' +
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
    taxRegion: cart.taxRegion
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
// Sends the checkout form's order to the order server. The cart is emptied
// only once the server took the order; a refusal is shown above the form.
function sendOrder(form) {
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
  notice.textContent = 'Sending your order...';
  var button = form.elements['send'];
  if (button) button.disabled = true;
  var request = new XMLHttpRequest();
  request.open('POST', orderUrl);
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
      var total = money(cart.total());
      cart.lines = [];
      cart.changed();
      thankYou(page, reply.order, total, form.elements['email'].value.trim());
    } else {
      refused(reply && reply.error ? reply.error :
              'The order server could not take your order (' + request.status + ').');
    }
  };
  request.onerror = function () {
    refused('The order server could not be reached. Please try again in a moment.');
  };
  request.send(JSON.stringify(orderOf(form)));
  function refused(text) {
    notice.textContent = text + ' Your cart is unchanged.';
    if (button) button.disabled = false;
  }
  return false;
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
