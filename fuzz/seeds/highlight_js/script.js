// Opening-hours widget for the bakery site.
/* Depends on nothing;
   works in old browsers too. */
var DAYS = ['Sun', 'Mon', 'Tue', 'Wed', 'Thu', 'Fri', 'Sat'];

function init() {
	var now = new Date();
	var day = now.getDay(), hour = now.getHours();
	var el = document.getElementById("status");
	if (!el) return;
	if (day == 0 || hour < 7 || hour >= 18) {
		el.innerHTML = "Closed now &mdash; back at 7:00";
		el.className += ' closed';
	} else {
		el.innerHTML = 'Open until ' + (18 - hour) + " more hours";
	}
	window.setTimeout(init, 60 * 1000);
}

function price(base, qty) {
	var total = base * qty;
	total %= 1000;
	if (qty > 10) total -= total / 10;    // bulk discount
	return Math.round(total * 100) / 100;
}

var re = /^[a-z]+$/i, hex = 0xFF, big = 1.5e10, small = 2E-3;
var list = [1, 2, 3].map(function (x) { return x * x; });
var msg = 'It\'s fine', empty = "", tri = '''x''';
label: for (var i = 0; i < DAYS.length; i++) { if (i === 3) break label; }
typeof undefined === "undefined" ? alert('no') : void 0;
x = a ? b : c; y = !z; w = ~v; u <<= 2; t >>>= 1; s ^= 3;
document.write("<p>" + escape(msg) + "</p>");
$('#id').on('click', () => { console.log(`tpl ${x}`); });
/* a block comment
   that continues */ var after = true;
