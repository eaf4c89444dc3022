<?php
// Receives a sign-off from index.html. Recipients, names and dates come only from this
// folder's own hovelink.js; the request only picks among them.
//
// afmelddata.php, read back by the desktop program: the first line is SLOT below, so the web
// never shows the file; then one sign-off per line, a JSON object in UTF-8, ended by LF:
//   {"moment":"donderdag-avond",
//    "dagen":["20250904","20250911"],
//    "vakken":[{"naam":"Jan van Dijk","code":"001234000005678002"},{"naam":"","code":""},
//              {"naam":"","code":""},{"naam":"","code":""}],
//    "opmerking":"","email":"","ontvangen":"2025-09-04T15:29:00+02:00"}
// moment   alg[1] of hovelink.js
// dagen    the dates signed off, yyyymmdd, in the file's order
// vakken   always four, in box order (the member, the partner, a substitute for the member, a
//          substitute for the partner): the name as the box shows it and its 18-digit code;
//          both "" for a box left at its first entry or not shown
// opmerking the free remark on one line, "" when none
// email    the member's own address for a confirmation, "" when none
// ontvangen time received, ISO 8601 with offset, Europe/Amsterdam
// A line that does not parse is damaged and is to be skipped by the reader.

const DATA = __DIR__ . '/afmelddata.php';
const TELLER = __DIR__ . '/afmeldteller.php';
const SLOT = "<?php exit; ?>\n";
const GEEN_KEUZE = '000000000000000000';
const REGELNAMEN = ['Naam', 'Partner', 'Invaller voor mij', 'Invaller voor mijn partner'];

function antwoord(int $status, string $tekst)
{
    http_response_code($status);
    header('Content-Type: application/json; charset=utf-8');
    header('Cache-Control: no-store');
    echo json_encode(['ok' => $status === 200, 'tekst' => $tekst], JSON_UNESCAPED_UNICODE);
    exit;
}

function utf8(int $c): string
{
    if ($c < 0x80) return chr($c);
    if ($c < 0x800) return chr(0xC0 | $c >> 6) . chr(0x80 | $c & 0x3F);
    return chr(0xE0 | $c >> 12) . chr(0x80 | $c >> 6 & 0x3F) . chr(0x80 | $c & 0x3F);
}

// hovelink.js is Windows-1252; without mbstring or iconv on every host, convert it here.
function vanAnsi(string $s): string
{
    $hoog = [0x20AC, 0x81, 0x201A, 0x192, 0x201E, 0x2026, 0x2020, 0x2021, 0x2C6, 0x2030, 0x160, 0x2039, 0x152, 0x8D, 0x17D, 0x8F,
             0x90, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x2DC, 0x2122, 0x161, 0x203A, 0x153, 0x9D, 0x17E, 0x178];
    return preg_replace_callback('/[\x80-\xFF]/', fn($m) => utf8(ord($m[0]) < 0xA0 ? $hoog[ord($m[0]) - 0x80] : ord($m[0])), $s);
}

// The value of a JavaScript string literal, as the browser reads it (names carry \u00EB).
function jsTekst(string $s): string
{
    return preg_replace_callback('/\\\\(u[0-9A-Fa-f]{4}|x[0-9A-Fa-f]{2}|.)/s', function ($m) {
        if (strlen($m[1]) > 1) return utf8(hexdec(substr($m[1], 1)));
        return ['n' => "\n", 't' => "\t", 'r' => "\r", 'b' => "\x08", 'f' => "\f", 'v' => "\v", '0' => "\0"][$m[1]] ?? $m[1];
    }, $s);
}

// The values of hovelink.js from its fixed line layout; null when the file is missing or damaged.
function leesScript(string $pad): ?array
{
    $inhoud = @file_get_contents($pad);
    if ($inhoud === false) return null;
    $s = ['alg' => [], 'actem' => [], 'dag' => [], 'lid' => [], 'idbnrbes' => [], 'dum' => [], 'vak' => []];
    foreach (preg_split('/\r\n|\r|\n/', vanAnsi($inhoud)) as $regel) {
        if (preg_match('/^(alg|actem|dag|lid|idbnrbes)\[(\d+)\]=(?:\'(.*)\'|(-?\d+));$/s', $regel, $m))
            $s[$m[1]][(int) $m[2]] = isset($m[4]) ? $m[4] : jsTekst($m[3]);
        elseif (preg_match('/^var DUM1([0-3])=\'(.*)\';$/', $regel, $m))
            $s['dum'][(int) $m[1]] = jsTekst($m[2]);
        elseif (preg_match('/^if \(cmbnaam == \'(.*)\'\)\{$/', $regel, $m))
            $s['vak'][] = jsTekst($m[1]);
    }
    if (count($s['vak']) !== 4 || count($s['dum']) !== 4 || !isset($s['alg'][1]) || count($s['lid']) !== count($s['idbnrbes']))
        return null;
    return $s;
}

// The entries VulCombo puts into the box named $naam: code => name, first one wins.
function aangeboden(array $s, string $naam): array
{
    $uit = [];
    foreach ($s['lid'] as $i => $lid) {
        $code = (string) ($s['idbnrbes'][$i] ?? '');
        $zoek = substr($code, 15, 3);
        $oke = false;
        foreach ($s['vak'] as $k => $vak) {
            if ($vak !== $naam) continue;
            if (str_contains($s['dum'][$k], $zoek)) $oke = true;
            if (($k === 0 || $k === 2) && substr($lid, 0, 7) === 'Partner') $oke = false;
        }
        if ($oke && !isset($uit[$code])) $uit[$code] = $lid;
    }
    return $uit;
}

function eindtijd(string $t): string
{
    return preg_match('/^\s*(\d{1,2}):(\d{2})\s*$/', $t, $m) && (int) $m[1] <= 23 && (int) $m[2] <= 59
        ? sprintf('%02d%02d', $m[1], $m[2]) : '2359';
}

function langeDatum(string $d): string
{
    $dagen = ['zondag', 'maandag', 'dinsdag', 'woensdag', 'donderdag', 'vrijdag', 'zaterdag'];
    $maanden = ['januari', 'februari', 'maart', 'april', 'mei', 'juni', 'juli', 'augustus', 'september', 'oktober', 'november', 'december'];
    $t = DateTimeImmutable::createFromFormat('!Ymd', $d, new DateTimeZone('UTC'));
    return $dagen[(int) $t->format('w')] . ' ' . (int) substr($d, 6, 2) . ' ' . $maanden[(int) substr($d, 4, 2) - 1] . ' ' . substr($d, 0, 4);
}

// A header value: line breaks never get through, non-ASCII goes as encoded words.
function kopWaarde(string $t): string
{
    $t = preg_replace('/[\x00-\x1F\x7F]+/', ' ', $t);
    if (!preg_match('/[^\x20-\x7E]/', $t)) return $t;
    $delen = [];
    $deel = '';
    foreach (preg_split('//u', $t, -1, PREG_SPLIT_NO_EMPTY) as $teken) {
        if (strlen($deel . $teken) > 45) { $delen[] = $deel; $deel = ''; }
        $deel .= $teken;
    }
    $delen[] = $deel;
    return implode("\r\n ", array_map(fn($d) => '=?UTF-8?B?' . base64_encode($d) . '?=', $delen));
}

function verstuurMail(string $aan, string $onderwerp, array $regels): bool
{
    // mail() ends the body with a line break of its own.
    return mail($aan, kopWaarde($onderwerp), implode("\r\n", $regels), [
        'MIME-Version' => '1.0',
        'Content-Type' => 'text/plain; charset=UTF-8',
        'Content-Transfer-Encoding' => '8bit',
    ]);
}

// Appends under an exclusive lock; a new file starts with the line that stops the web.
function voegToe($fh, string $regel): bool
{
    fseek($fh, 0, SEEK_END);
    if (ftell($fh) === 0 && fwrite($fh, SLOT) === false) return false;
    return fwrite($fh, $regel) === strlen($regel) && fflush($fh);
}

if (($_SERVER['REQUEST_METHOD'] ?? '') !== 'POST') antwoord(405, 'Afmelden gaat alleen via het formulier.');
$herkomst = preg_replace('#^https?://#', '', $_SERVER['HTTP_ORIGIN'] ?? '');
if ($herkomst === '' || $herkomst !== ($_SERVER['HTTP_HOST'] ?? '')) antwoord(403, 'Afmelden kan alleen via de afmeldsite zelf.');
if (($_POST['website'] ?? '') !== '') antwoord(400, 'Uw afmelding is niet verstuurd.');

$s = leesScript(__DIR__ . '/hovelink.js');
if ($s === null) antwoord(500, 'De afmeldgegevens op de server ontbreken of zijn beschadigd.');
$zone = new DateTimeZone('Europe/Amsterdam');
// A fixed clock only the server's own environment can set (tests); never from the request.
$nu = (new DateTimeImmutable(getenv('HOVELINK_NU') ?: 'now'))->setTimezone($zone);

$vakken = [];
foreach ($s['vak'] as $k => $naam) {
    $code = $_POST['vak' . $k] ?? '';
    if (!is_string($code)) antwoord(400, 'Deze naam staat niet in de lijst.');
    if ($code === '' || $code === GEEN_KEUZE) { $vakken[] = ['naam' => '', 'code' => '']; continue; }
    $namen = aangeboden($s, $naam);
    if (!isset($namen[$code])) antwoord(400, 'Deze naam staat niet in de lijst.');
    $vakken[] = ['naam' => $namen[$code], 'code' => $code];
}
if ($vakken[0]['code'] === '') antwoord(400, 'Kies eerst uw naam.');

$gekozen = $_POST['dag'] ?? [];
if (!is_array($gekozen) || !$gekozen) antwoord(400, 'Kies minstens één speeldag.');
$gekozen = array_unique(array_filter($gekozen, 'is_string'));
$eind = eindtijd((string) ($s['alg'][5] ?? ''));
$dagen = [];
foreach ($s['dag'] as $d) {
    if (!in_array($d, $gekozen, true) || in_array($d, $dagen, true)) continue;
    if (!preg_match('/^\d{8}$/', $d) || $nu->format('YmdHi') > $d . $eind) antwoord(400, 'Afmelden voor ' . (preg_match('/^\d{8}$/', $d) ? langeDatum($d) : $d) . ' kan niet meer.');
    $dagen[] = $d;
}
if (count($dagen) !== count($gekozen)) antwoord(400, 'Deze speeldag staat niet in de lijst.');

$opmerking = $_POST['opmerking'] ?? '';
$email = $_POST['email'] ?? '';
if (!is_string($opmerking) || !is_string($email) || !preg_match('//u', $opmerking . $email) || strlen($opmerking) > 4000)
    antwoord(400, 'De opmerking kan zo niet worden verstuurd.');
$opmerking = trim(preg_replace('/\s*[\r\n]+\s*/', ' ', preg_replace('/[\x00-\x09\x0B-\x0C\x0E-\x1F\x7F]/', '', $opmerking)));
$email = trim($email);
if ($email !== '' && (strlen($email) > 200 || !filter_var($email, FILTER_VALIDATE_EMAIL)))
    antwoord(400, 'Het e-mailadres is niet geldig.');

// Rate limit on accepted sign-offs, which are what sends mail: 5 per 10 minutes from one
// address (hashed, never stored plain), 60 per hour in all.
$teller = fopen(TELLER, 'c+');
if ($teller === false || !flock($teller, LOCK_EX)) antwoord(500, 'De afmelding kon niet worden opgeslagen.');
$tijd = $nu->getTimestamp();
$adres = hash('sha256', 'hovelink|' . ($_SERVER['REMOTE_ADDR'] ?? ''));
$eerder = json_decode(substr((string) stream_get_contents($teller), strlen(SLOT)), true);
$eerder = array_values(array_filter(is_array($eerder) ? $eerder : [], fn($t) => is_array($t) && ($t[0] ?? 0) > $tijd - 3600));
$van = array_filter($eerder, fn($t) => $t[1] === $adres && $t[0] > $tijd - 600);
if (count($eerder) >= 60 || count($van) >= 5) antwoord(429, 'Er zijn te veel afmeldingen kort na elkaar verstuurd. Probeer het later opnieuw.');
$eerder[] = [$tijd, $adres];
ftruncate($teller, 0);
rewind($teller);
fwrite($teller, SLOT . json_encode($eerder));
fflush($teller);

$regel = json_encode(['moment' => $s['alg'][1], 'dagen' => $dagen, 'vakken' => $vakken, 'opmerking' => $opmerking,
    'email' => $email, 'ontvangen' => $nu->format('c')], JSON_UNESCAPED_UNICODE | JSON_UNESCAPED_SLASHES | JSON_INVALID_UTF8_SUBSTITUTE) . "\n";
$data = fopen(DATA, 'c+');
if ($data === false || !flock($data, LOCK_EX) || !voegToe($data, $regel)) antwoord(500, 'De afmelding kon niet worden opgeslagen.');
flock($data, LOCK_UN);
fclose($data);
flock($teller, LOCK_UN);
fclose($teller);

$regels = ['Afmelding voor ' . $s['alg'][1] . ' van ' . ($s['alg'][0] ?? '')];
foreach ($vakken as $k => $v) if ($v['code'] !== '') $regels[] = REGELNAMEN[$k] . ': ' . $v['naam'];
$regels[] = 'Speeldagen: ' . implode(', ', array_map('langeDatum', $dagen));
$bevestiging = $regels;
if ($opmerking !== '') $regels[] = 'Opmerking: ' . $opmerking;
if ($email !== '') { $regels[] = 'E-mailadres: ' . $email; $bevestiging[] = 'E-mailadres: ' . $email; }
$regels[] = 'Ontvangen: ' . $nu->format('c');

$onderwerp = 'Afmelding ' . $s['alg'][1] . ': ' . $vakken[0]['naam'];
if (($s['alg'][2] ?? '') === '1') {
    $aan = array_filter(array_map('trim', $s['actem']), fn($a) => filter_var($a, FILTER_VALIDATE_EMAIL) !== false);
    if ($aan && !verstuurMail(implode(', ', $aan), $onderwerp, $regels))
        antwoord(500, 'De afmelding is opgeslagen, maar de e-mail kon niet worden verstuurd.');
}
$bevestigd = ($s['alg'][3] ?? '') === '1' && $email !== '' && verstuurMail($email, 'Bevestiging: ' . $onderwerp, $bevestiging);
antwoord(200, 'Uw afmelding is ontvangen.' . ($bevestigd ? ' Een bevestiging is verstuurd naar ' . $email . '.' : ''));
