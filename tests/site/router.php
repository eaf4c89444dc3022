<?php
// Announces every .js file as UTF-8, as many hosts do, whatever its bytes are.
$pad = $_SERVER['DOCUMENT_ROOT'] . parse_url($_SERVER['REQUEST_URI'], PHP_URL_PATH);
if (!str_ends_with($pad, '.js') || !is_file($pad)) return false;
header('Content-Type: text/javascript; charset=UTF-8');
readfile($pad);
