<SCRIPT LANGUAGE="JavaScript" TYPE="text/javascript"><!--
if (parent.frames['shop'])
 var shop = parent.frames['shop'];
 else
 var shop = top.frames['shop'];	// References the shop frame
offset = '$[offset]';
// True once the shop frame has loaded and holds the named data.
function waitForData(strOfVariable) {
  try {
    return !!(shop && shop.dataReady && typeof shop[strOfVariable] != 'undefined');
  } catch (e) {
    return false;  // the shop frame is not reachable from here
  }
}
// Calls show(shop) once the shop's data is there, or missing() when it does
// not come (the page was opened on its own, or from a disk folder).
function withShopData(show, missing, tries) {
  tries = tries || 0;
  if (waitForData('productList')) {
    show(shop);
  } else if (!shop || tries >= 30) {
    missing();
  } else {
    setTimeout(function () { withShopData(show, missing, tries + 1); }, 100);
  }
}
// Fills the element "catalogue" with the first page of the items
// select(shop) returns; its Previous and Next links page through the
// category `name` (shop.show(); all items when there is none).
function showCatalogue(select, name) {
  var box = document.getElementById('catalogue');
  if (!box) return;
  withShopData(function (s) {
                 box.innerHTML = s.catalogueHtml(select(s), 0, name || '');
                 s.lastCataloguePage = location.href;
                 s.portaCart();
               },
               function () {
                 box.innerHTML = '<P CLASS="note">Our catalogue appears here when you visit ' +
                                 'the shop from its start page.</P>';
               });
}
// Shows the cart's item count in the page's header.
withShopData(function (s) { s.portaCart(); }, function () {});
// --></SCRIPT>
